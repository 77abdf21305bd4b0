#include "nodes/DoKomanda.h"

#include "nodes/FlowRules.h"

namespace php {

DoKomanda::DoKomanda(const char*, const Location& doLoc, ParserBase* statement, const char*,
                     const Location&, ParserBase* cond, ParserBase* end)
    : ParserBase(doLoc) {
    body = adopt(statement);
    condition = adopt(cond);
    delete adopt(end);  // the statement terminator carries no node
}

DoKomanda::~DoKomanda() {
    delete condition;
    delete body;
}

// The body runs before the condition is first evaluated.
void DoKomanda::link() {
    linkChild(body);
    linkChild(condition);
}

void DoKomanda::check() {
    checkAndAbsorb(body);
    checkAndAbsorb(condition);
}

Value DoKomanda::evaluate() { return Value(); }

// A condition after a body that always returns is left unconnected.
void DoKomanda::computeFlow() {
    flow = flowrules::flowOrEmpty(body);
    if (condition && condition->flowState()) flow->absorb(condition->flowState());
}

void DoKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (body) out.push_back(body);
    if (condition) out.push_back(condition);
}

}  // namespace php
