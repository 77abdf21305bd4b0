#include "nodes/ForeachKomanda.h"

#include "nodes/FlowRules.h"
#include "nodes/ForeachDefinitor.h"
#include "tree/NodeCast.h"

namespace php {

ForeachKomanda::ForeachKomanda(const char*, const Location& foreachLoc, ParserBase* definitor,
                               ParserBase* statement)
    : ParserBase(foreachLoc) {
    header = adopt(definitor);
    body = adopt(statement);
}

ForeachKomanda::~ForeachKomanda() {
    delete header;
    delete body;
}

// The body also sees the loop variables the header defines.
void ForeachKomanda::link() {
    linkChild(header);
    if (header && body) body->addPredecessor(header);
    linkChild(body);
}

// The body sees the loop variables through its predecessor, the header;
// after the loop only what the iterated expression defines survives.
void ForeachKomanda::check() {
    if (header) header->check();
    if (body) {
        body->check();
        foldUses(body);
    }
    if (!header) return;
    if (auto* definitor = nodeAs<ForeachDefinitor>(header)) definitor->forgetLoopVariables();
    absorbChild(header, true, true, true);
}

Value ForeachKomanda::evaluate() { return Value(); }

// The header, then the body; an empty state beside the body stands for a
// loop that runs no iteration.
void ForeachKomanda::computeFlow() {
    flow = flowrules::flowOrEmpty(header);
    if (body && body->flowState()) flow->absorb(body->flowState());
    flowrules::attachOrDiscard(flow, new FlowState());
}

void ForeachKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
    if (body) out.push_back(body);
}

}  // namespace php
