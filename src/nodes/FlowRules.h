#pragma once
#include "tree/FlowState.h"
#include "tree/ParserBase.h"

namespace php {

// Graph-building steps shared by the control-flow statements.
namespace flowrules {

// The graph of a child, or a new empty state standing for an absent one.
inline FlowState* flowOrEmpty(ParserBase* child) {
    FlowState* f = child ? child->flowState() : nullptr;
    return f ? f : new FlowState();
}

// Deletes a graph nobody took.
inline void discardGraph(FlowState* s) {
    s->destroyGraph();
    delete s;
}

// Attaches s to every state of `leaves` (each one is tried); a graph that
// no state accepted is destroyed.
inline void attachAtLeaves(const FlowSet& leaves, FlowState* s) {
    bool taken = false;
    for (FlowState* leaf : leaves)
        if (leaf->attach(s)) taken = true;
    if (!taken) discardGraph(s);
}

// Attaches s directly after `at`; a refused s is deleted.
inline void attachOrDiscard(FlowState* at, FlowState* s) {
    if (!at->attach(s)) discardGraph(s);
}

}  // namespace flowrules
}  // namespace php
