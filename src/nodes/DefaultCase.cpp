#include "nodes/DefaultCase.h"

#include "nodes/FlowRules.h"

namespace php {

DefaultCase::DefaultCase(const char*, const Location& defaultLoc, ParserBase* separator,
                         ParserBase* list)
    : ParserBase(defaultLoc) {
    delete adopt(separator);  // ";" or ":" carries no node
    statements = adopt(list);
}

DefaultCase::~DefaultCase() { delete statements; }

void DefaultCase::link() { linkChild(statements); }

void DefaultCase::check() { checkAndAbsorb(statements); }

Value DefaultCase::evaluate() { return Value(); }

void DefaultCase::computeFlow() { flow = flowrules::flowOrEmpty(statements); }

void DefaultCase::collectChildren(std::vector<ParserBase*>& out) {
    if (statements) out.push_back(statements);
}

}  // namespace php
