#include "tree/FlowState.h"

#include <new>
#include <map>
#include <utility>
#include <vector>

namespace php {

namespace {

uint64_t lastStamp = 0;  // stamps are unique across components

}  // namespace

struct FlowLeafCache {
    FlowSet leaves;
    uint64_t stamp = 0;
    // Leaf caches come from the pool as well as their tree nodes.
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }
};

static_assert(sizeof(void*) != 8 || sizeof(FlowState) <= 40, "a flow state grew");

// The indexes of the few successor sets past IndexFrom entries.
static std::map<const FlowSuccessors*, FlowSet>& successorIndexes() {
    static std::map<const FlowSuccessors*, FlowSet> indexes;
    return indexes;
}

void FlowSuccessors::clear() {
    if (Block* b = block()) {
        if (b->size > IndexFrom) successorIndexes().erase(this);
        releaseNode(b, sizeof(Block) + sizeof(FlowState*) * b->capacity);
    }
    one_ = nullptr;
}

size_t FlowSuccessors::count(FlowState* s) const {
    if (size() > IndexFrom) return successorIndexes().at(this).count(s);
    for (FlowState* t : *this)
        if (t == s) return 1;
    return 0;
}

bool FlowSuccessors::insert(FlowState* s) {
    if (count(s)) return false;
    if (!one_) {
        one_ = s;
        return true;
    }
    Block* b = block();
    if (!b || b->size == b->capacity) {
        const uint32_t cap = b ? b->capacity * 2 : 2;
        auto* fresh = static_cast<Block*>(allocateNode(sizeof(Block) + sizeof(FlowState*) * cap));
        fresh->capacity = cap;
        fresh->size = 0;
        for (FlowState* t : *this) items(fresh)[fresh->size++] = t;
        if (b) releaseNode(b, sizeof(Block) + sizeof(FlowState*) * b->capacity);
        one_ = reinterpret_cast<FlowState*>(reinterpret_cast<uintptr_t>(fresh) | 1);
        b = fresh;
    }
    FlowState** d = items(b);
    d[b->size++] = s;
    if (b->size == IndexFrom + 1)
        successorIndexes().emplace(this, FlowSet(d, d + b->size));
    else if (b->size > IndexFrom)
        successorIndexes().at(this).insert(s);
    return true;
}

// Breadth-first walk by levels, so that long chains need no recursion. A
// state is expanded once per walk (its mark holds the walk's number), so
// shared states cost nothing more. `all` selects whether every state met goes
// to `out` or only the leaves.
void FlowState::walk(FlowState* start, FlowSet& out, bool all) {
    static uint32_t lastWalk = 0;
    if (++lastWalk == 0) ++lastWalk;  // 0 is the mark of a state never walked
    const uint32_t walk = lastWalk;
    start->walkMark = walk;
    std::vector<FlowState*> level(start->successors.begin(), start->successors.end());
    std::vector<FlowState*> next;
    while (!level.empty()) {
        for (FlowState* c : level) {
            if (all) out.insert(c);
            if (c->successors.empty()) {
                if (!all) out.insert(c);
            } else if (c->walkMark != walk) {
                c->walkMark = walk;
                next.insert(next.end(), c->successors.begin(), c->successors.end());
            }
        }
        level.clear();
        std::swap(level, next);
    }
}

FlowState::~FlowState() { delete leafCache; }

FlowComponent* FlowState::findComponent() {
    FlowComponent* root = &component;
    while (FlowComponent* up = root->merged()) root = up;
    for (FlowComponent* c = &component; c != root;) {
        FlowComponent* next = c->merged();
        c->mergeInto(root);
        c = next;
    }
    if (root->word == 0) root->setStamp(++lastStamp);
    return root;
}

bool FlowState::attach(FlowState* s) {
    if (closed) return false;
    if (!s) return true;
    if (successors.insert(s)) {
        FlowComponent* mine = findComponent();
        FlowComponent* theirs = s->findComponent();
        if (theirs != mine) theirs->mergeInto(mine);
        mine->setStamp(++lastStamp);
    }
    s->attached = true;
    return true;
}

const FlowSet& FlowState::currentLeaves() {
    if (!leafCache || leafCache->stamp != findComponent()->stamp()) {
        FlowSet leaves;
        if (successors.empty())
            leaves.insert(this);
        else
            walk(this, leaves, false);
        rememberLeaves(std::move(leaves));
    }
    return leafCache->leaves;
}

void FlowState::rememberLeaves(FlowSet&& leaves) {
    if (!leafCache) leafCache = new FlowLeafCache();
    leafCache->leaves = std::move(leaves);
    leafCache->stamp = findComponent()->stamp();
}

bool FlowState::absorb(FlowState* s) {
    if (!s) return true;
    const bool disjoint = findComponent() != s->findComponent();
    // Attaching leaves this state's remembered set alone until the end.
    const FlowSet& leaves = currentLeaves();
    if (disjoint) s->currentLeaves();
    bool taken = false;
    std::vector<FlowState*> refused;
    for (FlowState* leaf : leaves) {  // every leaf is offered, not only the first
        if (leaf->attach(s))
            taken = true;
        else
            refused.push_back(leaf);
    }
    // With two separate graphs the new leaves are known without a walk: the
    // leaves that refused, and the offered graph's leaves when any took it.
    // The offered graph now belongs to this one, so its memory is taken over.
    if (disjoint && taken) {
        std::swap(leafCache, s->leafCache);
        leafCache->leaves.insert(refused.begin(), refused.end());
        leafCache->stamp = findComponent()->stamp();
        delete s->leafCache;
        s->leafCache = nullptr;
    }
    return taken;
}

void FlowState::fork(FlowState* const* graphs, size_t count, bool* taken) {
    FlowComponent* mine = findComponent();
    bool disjoint = true;
    for (size_t i = 0; i < count; ++i) {
        taken[i] = false;
        if (graphs[i]->findComponent() == mine) disjoint = false;
        for (size_t j = 0; j < i; ++j)
            if (graphs[j]->findComponent() == graphs[i]->findComponent()) disjoint = false;
    }
    const FlowSet leaves = currentLeaves();  // a copy: the cache is replaced below
    if (disjoint)
        for (size_t i = 0; i < count; ++i) graphs[i]->currentLeaves();
    std::vector<FlowState*> refused;
    for (FlowState* leaf : leaves) {
        bool took = false;
        for (size_t i = 0; i < count; ++i)
            if (leaf->attach(graphs[i])) took = taken[i] = true;
        if (!took) refused.push_back(leaf);
    }
    if (!disjoint) return;  // the next leaf query walks
    // The new leaves: those that refused, and the leaves of every graph taken.
    FlowSet next(refused.begin(), refused.end());
    for (size_t i = 0; i < count; ++i) {
        if (!taken[i]) continue;
        next.insert(graphs[i]->leafCache->leaves.begin(), graphs[i]->leafCache->leaves.end());
        delete graphs[i]->leafCache;
        graphs[i]->leafCache = nullptr;
    }
    rememberLeaves(std::move(next));
}

void FlowState::collectLeaves(FlowSet& out) {
    if (successors.empty()) {
        out.insert(this);
        return;
    }
    const FlowSet& leaves = currentLeaves();
    out.insert(leaves.begin(), leaves.end());
}

void FlowState::collectReachable(FlowSet& out) {
    out.insert(this);
    if (successors.empty()) return;
    walk(this, out, true);
}

FlowSet FlowState::leafSet() {
    FlowSet leaves;
    collectLeaves(leaves);
    return leaves;
}

void FlowState::destroyGraph() {
    if (!dismantled) {
        FlowSet reachable;
        collectReachable(reachable);
        for (FlowState* s : reachable) {
            if (s == this) continue;
            s->dismantled = true;
            s->destroyGraph();  // dismantled: only frees its successor set
            delete s;
        }
    }
    successors.clear();
}

void FlowState::destroyWholeGraph(FlowState* first) {
    if (!first) return;
    // Depth-first with a stack of its own, so no chain recurses. A state is
    // marked when first met; every state is deleted once, after the walk.
    std::vector<FlowState*> met{first};
    first->dismantled = true;
    for (size_t i = 0; i < met.size(); ++i) {
        for (FlowState* next : met[i]->successors) {
            if (next->dismantled) continue;
            next->dismantled = true;
            met.push_back(next);
        }
    }
    for (FlowState* s : met) delete s;
}

bool FlowState::anyInSet(const FlowSet& set, bool (*predicate)(FlowState*, void*), void* argument) {
    for (FlowState* s : set)
        if (predicate(s, argument)) return true;
    return false;
}

}  // namespace php
