#pragma once
#include <cstddef>
#include <cstdint>
#include <set>

#include "tree/NodePool.h"

namespace php {

class ParserBase;
class FlowState;

using FlowSet = std::set<FlowState*, std::less<FlowState*>, PoolAllocator<FlowState*>>;  // by address

// The successors of one state, in the order attached, held inside the state
// in one word: the single successor almost every state has, or (with the low
// bit set, states being aligned) a pooled block of more. Past IndexFrom
// entries (a switch subject's leaves have one per label) a tree index kept
// aside keeps membership tests logarithmic. Empty means a leaf.
class FlowSuccessors {
public:
    FlowSuccessors() = default;
    FlowSuccessors(const FlowSuccessors&) = delete;
    FlowSuccessors& operator=(const FlowSuccessors&) = delete;
    ~FlowSuccessors() { clear(); }

    // False when s was already present.
    bool insert(FlowState* s);
    size_t count(FlowState* s) const;
    size_t size() const {
        if (const Block* b = block()) return b->size;
        return one_ ? 1 : 0;
    }
    bool empty() const { return one_ == nullptr; }
    FlowState* const* begin() const {
        if (const Block* b = block()) return items(b);
        return &one_;
    }
    FlowState* const* end() const { return begin() + size(); }
    void clear();

private:
    static constexpr uint32_t IndexFrom = 8;
    struct Block {
        uint32_t size;
        uint32_t capacity;
    };
    static FlowState** items(Block* b) { return reinterpret_cast<FlowState**>(b + 1); }
    static FlowState* const* items(const Block* b) { return reinterpret_cast<FlowState* const*>(b + 1); }
    Block* block() const {
        const auto bits = reinterpret_cast<uintptr_t>(one_);
        return (bits & 1) != 0 ? reinterpret_cast<Block*>(bits & ~uintptr_t(1)) : nullptr;
    }

    FlowState* one_ = nullptr;  // the single successor, or the tagged block
};

// The connected part of the flow graphs a state belongs to (union-find; every
// state carries one, and a component is named by the root's). Its stamp
// changes whenever an edge is added inside it, which tells whether a
// remembered leaf set is still current. Graphs are destroyed whole, so no
// live state leads to a destroyed state's component. A component that was
// merged into another points to it; a root holds its stamp instead (one word
// for both: every state carries one).
struct FlowComponent {
    // 0: a root not stamped yet; odd: a root, the stamp shifted left by one;
    // otherwise the component this one was merged into.
    uintptr_t word = 0;

    FlowComponent* merged() const {
        return (word & 1) != 0 ? nullptr : reinterpret_cast<FlowComponent*>(word);
    }
    void mergeInto(FlowComponent* root) { word = reinterpret_cast<uintptr_t>(root); }
    uint64_t stamp() const { return word >> 1; }
    void setStamp(uint64_t stamp) { word = static_cast<uintptr_t>(stamp << 1 | 1); }
};

// The leaves a state remembers, and the stamp of its component they were
// taken at. Only the first states of graphs still being built have one.
struct FlowLeafCache;

// One point of execution in a flow graph (a directed acyclic graph).
class FlowState {
public:
    // A large file builds a state for most of its nodes, so the fields are
    // packed: 40 bytes with the first successor inside.
    ParserBase* owner = nullptr;  // null: an empty state
    FlowSuccessors successors;

    FlowState() = default;
    explicit FlowState(ParserBase* owner) : owner(owner) {}
    ~FlowState();
    FlowState(const FlowState&) = delete;
    FlowState& operator=(const FlowState&) = delete;
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }

    // A graph of this state alone, open, that nothing leads to and that
    // remembers no leaves. Appending a state to such a graph leaves only the
    // appended state as a leaf, so the state can be given the appended
    // state's owner instead: the same leaves, with no edge and no leaf sets
    // (it is then marked as standing for a chain).
    bool standsAlone() const { return successors.empty() && !closed && !attached && !leafCache; }

    // Makes s a direct successor; false when this state is closed.
    bool attach(FlowState* s);
    // Makes s a successor of every leaf; true when at least one leaf took it.
    bool absorb(FlowState* s);
    // Offers each of `count` separate graphs to every leaf, as a branch does;
    // taken[i] tells whether some leaf took graphs[i]. Like absorb, it keeps
    // the remembered leaves current without a walk, so a chain of branches
    // built one on another stays linear.
    void fork(FlowState* const* graphs, size_t count, bool* taken);
    void collectLeaves(FlowSet& out);
    void collectReachable(FlowSet& out);
    FlowSet leafSet();
    // Deletes every state reachable from this one except itself.
    void destroyGraph();
    // Deletes every state reachable from `first`, itself included, without
    // the ordered sets of destroyGraph: a whole body's graph at once.
    static void destroyWholeGraph(FlowState* first);
    static bool anyInSet(const FlowSet& set, bool (*predicate)(FlowState*, void*), void* argument);

private:
    // Graphs are built bottom-up by offering a new graph to the leaves of an
    // existing one, over and over from the same first state (a chain of n
    // operators does it n times): remembering the leaves keeps that linear.
    FlowComponent component;
    // The last walk that expanded this state. 32 bits: a walk per leaf query,
    // far fewer than 2^32 in any run.
    uint32_t walkMark = 0;

public:
    bool closed = false;
    bool dismantled = false;
    bool attached = false;
    // A lone state kept in place of a chain of states (see standsAlone): it
    // is the chain's first state as well as its last, which a step that
    // tells a graph of one state from a longer one must know.
    bool standsForChain = false;

private:
    FlowLeafCache* leafCache = nullptr;

    static void walk(FlowState* start, FlowSet& out, bool all);
    FlowComponent* findComponent();
    const FlowSet& currentLeaves();
    void rememberLeaves(FlowSet&& leaves);
};

}  // namespace php
