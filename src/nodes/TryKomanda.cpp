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

void TryKomanda::check() {
    checkAndAbsorb(body);
    checkAndAbsorb(catches);
}

Value TryKomanda::evaluate() { return Value(); }

// Each catch hangs off the body's leaves; an empty state beside the body's
// first state stands for an exception that skips the body.
void TryKomanda::computeFlow() {
    if (!body) {
        flow = new FlowState();
        return;
    }
    flow = flowrules::flowOrEmpty(body);
    if (!catches) return;
    const FlowSet leaves = flow->leafSet();
    flowrules::attachOrDiscard(flow, new FlowState());
    std::vector<ParserBase*> items;
    catches->collectChildren(items);
    for (ParserBase* c : items) flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(c));
}

void TryKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (body) out.push_back(body);
    if (catches) out.push_back(catches);
}

}  // namespace php
