#include "tree/FlowState.h"

#include <utility>

namespace php {

// destroyGraph deletes the set and nulls the pointer, so a state that went
// through it is not freed twice here.
FlowState::~FlowState() { delete successors; }

bool FlowState::attach(FlowState* s) {
    if (closed) return false;
    if (!s) return true;
    if (!successors) successors = new FlowSet();
    successors->insert(s);
    s->attached = true;
    return true;
}

bool FlowState::absorb(FlowState* s) {
    if (!s) return true;
    FlowSet leaves;
    collectLeaves(leaves);
    bool taken = false;
    for (FlowState* leaf : leaves)
        if (leaf->attach(s)) taken = true;  // every leaf is offered, not only the first
    return taken;
}

namespace {

// Breadth-first walk by levels with a visited set, so that shared states are
// expanded once and long chains need no recursion. `all` selects whether
// every state met goes to `out` or only the leaves.
void walk(FlowState* start, FlowSet& out, bool all) {
    FlowSet visited{start};
    FlowSet level(*start->successors);
    FlowSet next;
    while (!level.empty()) {
        for (FlowState* c : level) {
            if (all) out.insert(c);
            if (c->successors) {
                if (visited.insert(c).second) next.insert(c->successors->begin(), c->successors->end());
            } else {
                visited.insert(c);
                if (!all) out.insert(c);
            }
        }
        level.clear();
        std::swap(level, next);
    }
}

}  // namespace

void FlowState::collectLeaves(FlowSet& out) {
    if (!successors) {
        out.insert(this);
        return;
    }
    walk(this, out, false);
}

void FlowState::collectReachable(FlowSet& out) {
    out.insert(this);
    if (!successors) return;
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
    delete successors;
    successors = nullptr;
}

bool FlowState::anyInSet(const FlowSet& set, bool (*predicate)(FlowState*, void*), void* argument) {
    for (FlowState* s : set)
        if (predicate(s, argument)) return true;
    return false;
}

}  // namespace php
