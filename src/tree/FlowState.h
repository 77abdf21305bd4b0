#pragma once
#include <set>

namespace php {

class ParserBase;
class FlowState;

using FlowSet = std::set<FlowState*>;  // ordered by address

// One point of execution in a flow graph (a directed acyclic graph).
class FlowState {
public:
    ParserBase* owner = nullptr;  // null: an empty state
    FlowSet* successors = nullptr;
    bool closed = false;
    bool dismantled = false;
    bool attached = false;

    FlowState() = default;
    explicit FlowState(ParserBase* owner) : owner(owner) {}
    ~FlowState();

    // Makes s a direct successor; false when this state is closed.
    bool attach(FlowState* s);
    // Makes s a successor of every leaf; true when at least one leaf took it.
    bool absorb(FlowState* s);
    void collectLeaves(FlowSet& out);
    void collectReachable(FlowSet& out);
    FlowSet leafSet();
    // Deletes every state reachable from this one except itself.
    void destroyGraph();
    static bool anyInSet(const FlowSet& set, bool (*predicate)(FlowState*, void*), void* argument);
};

}  // namespace php
