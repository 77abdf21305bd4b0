#include "nodes/IsSet.h"

namespace php {

IsSet::IsSet(const char*, const Location& keywordLocation, const char*, const Location&,
             ParserBase* list, const char*, const Location&)
    : ParserBase(keywordLocation) {
    variables = adopt(list);
}

IsSet::~IsSet() { delete variables; }

void IsSet::link() {
    linkChild(variables);
    staticType = booleanType();
}

// The names inside `isset(...)` are neither checked for initialisation nor
// counted as used.
void IsSet::check() {
    if (!variables) return;
    variables->check();
    absorbDefinitionsOnly(variables, true, true);
}

Value IsSet::evaluate() { return Value(); }

void IsSet::computeFlow() { adoptFlow(variables); }

void IsSet::collectChildren(std::vector<ParserBase*>& out) {
    if (variables) out.push_back(variables);
}

}  // namespace php
