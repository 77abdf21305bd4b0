#include "nodes/Case.h"

#include "nodes/FlowRules.h"

namespace php {

Case::Case(const char*, const Location& caseLoc, ParserBase* expression, ParserBase* separator,
           ParserBase* list)
    : ParserBase(caseLoc) {
    label = adopt(expression);
    delete adopt(separator);  // ";" or ":" carries no node
    statements = adopt(list);
}

Case::~Case() {
    delete label;
    delete statements;
}

void Case::link() {
    linkChild(label);
    linkChild(statements);
}

void Case::check() {
    checkAndAbsorb(label);
    checkAndAbsorb(statements);
}

Value Case::evaluate() { return Value(); }

void Case::computeFlow() {
    flow = flowrules::flowOrEmpty(label);
    if (statements && statements->flowState()) flow->absorb(statements->flowState());
}

void Case::collectChildren(std::vector<ParserBase*>& out) {
    if (label) out.push_back(label);
    if (statements) out.push_back(statements);
}

}  // namespace php
