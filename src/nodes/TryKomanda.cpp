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

// Each catch hangs off the body's leaves; a state of the try's own, attached
// at the body's first state, is the path on which an exception skips the
// body, so code after the statement stays reachable. That state is owned by
// this node and is never a final node of a function (the return check
// passes over it). A catch graph that no leaf takes is left alone, never
// destroyed: the catch list has already chained it to the next catch, which
// may be attached elsewhere.
void TryKomanda::computeFlow() {
    if (!body) {
        flow = new FlowState();
        return;
    }
    flow = flowrules::flowOrEmpty(body);
    if (!catches) return;
    const FlowSet leaves = flow->leafSet();
    // A body of one state is its own first state and leaf: nothing to skip.
    // A lone state that stands for a chain is a longer body.
    if (!flow->successors.empty() || flow->standsForChain) flow->attach(new FlowState(this));
    std::vector<ParserBase*> items;
    catches->collectChildren(items);
    for (ParserBase* c : items) {
        FlowState* handler = c->flowState();
        if (!handler) continue;
        for (FlowState* leaf : leaves) leaf->attach(handler);
    }
}

void TryKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (body) out.push_back(body);
    if (catches) out.push_back(catches);
}

}  // namespace php
