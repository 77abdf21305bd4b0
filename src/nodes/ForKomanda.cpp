#include "nodes/ForKomanda.h"

#include "nodes/FlowRules.h"
#include "nodes/ForDefinitor.h"
#include "tree/NodeCast.h"

namespace php {

ForKomanda::ForKomanda(const char*, const Location& forLoc, ParserBase* definitor,
                       ParserBase* statement)
    : ParserBase(forLoc) {
    header = adopt(definitor);
    body = adopt(statement);
}

ForKomanda::ForKomanda(const char*, const Location& forLoc, ParserBase* definitor,
                       ParserBase* statements, const char*, const Location&, ParserBase* end)
    : ParserBase(forLoc) {
    header = adopt(definitor);
    body = adopt(statements);
    delete adopt(end);  // the statement terminator carries no node
}

ForKomanda::~ForKomanda() {
    delete header;
    delete body;
}

// The body also sees what the header defines.
void ForKomanda::link() {
    linkChild(header);
    if (header && body) body->addPredecessor(header);
    linkChild(body);
}

// The body's definitions do not survive the loop; its reads count as used.
void ForKomanda::check() {
    checkAndAbsorb(header);
    if (!body) return;
    body->check();
    foldUses(body);
}

Value ForKomanda::evaluate() { return Value(); }

// init, then the condition; the body hangs off the condition's leaves and an
// exit state X off the condition's first state. The step is not modelled.
void ForKomanda::computeFlow() {
    FlowState* start = new FlowState();
    flow = start;
    auto* def = nodeAs<ForDefinitor>(header);
    if (!def) return;
    if (def->init && def->init->flowState()) start->absorb(def->init->flowState());
    FlowState* cond = flowrules::flowOrEmpty(def->condition);
    start->absorb(cond);
    const FlowSet leaves = cond->leafSet();
    flowrules::attachOrDiscard(cond, new FlowState());
    if (body) flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(body));
}

void ForKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
    if (body) out.push_back(body);
}

}  // namespace php
