#include "nodes/TryKomanda.h"

#include "nodes/FlowRules.h"

namespace php {

TryKomanda::TryKomanda(const char*, const Location& tryLoc, const char*, const Location&,
                       ParserBase* statements, const char*, const Location&, ParserBase* catchList)
    : ParserBase(tryLoc) {
    body = adopt(statements);
    catches = adopt(catchList);
}

TryKomanda::~TryKomanda() {
    delete body;
    delete catches;
}

void TryKomanda::link() {
    linkChild(body);
    linkChild(catches);
}

// Nothing is folded: a name first assigned in the try block or in a catch
// block is not defined after the statement, and the names used inside do
// not count outside.
void TryKomanda::check() {
    if (body) body->check();
    if (catches) catches->check();
}

Value TryKomanda::evaluate() { return Value(); }

// Each catch hangs off the body's leaves, and off the body's first state too:
// an exception may skip the whole body. So control that ends the body or a
// catch goes on after the statement, and no empty state of the statement's
// own is left as a final node. A catch graph that no state takes is left
// alone, never destroyed: the catch list has already chained it to the next
// catch, which may be attached elsewhere.
void TryKomanda::computeFlow() {
    if (!body) {
        flow = new FlowState();
        return;
    }
    flow = flowrules::flowOrEmpty(body);
    if (!catches) return;
    const FlowSet leaves = flow->leafSet();
    // A body that is one closed state (`return f();`) refuses successors:
    // an empty entry state in front of it carries the catches instead.
    if (flow->closed) {
        auto* entry = new FlowState();
        entry->attach(flow);
        flow = entry;
    }
    std::vector<ParserBase*> items;
    catches->collectChildren(items);
    for (ParserBase* c : items) {
        FlowState* handler = c->flowState();
        if (!handler) continue;
        for (FlowState* leaf : leaves) leaf->attach(handler);
        if (!leaves.count(flow)) flow->attach(handler);
    }
}

void TryKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (body) out.push_back(body);
    if (catches) out.push_back(catches);
}

}  // namespace php
