#include "nodes/StaticDeklarator.h"

namespace php {

StaticDeklarator::StaticDeklarator(ParserBase* var, const char*, const Location& assignLoc,
                                   ParserBase* value)
    : ParserBase(assignLoc) {
    variable = adopt(var);
    initialValue = adopt(value);
}

StaticDeklarator::StaticDeklarator(ParserBase* var) {
    variable = adopt(var);
    if (variable) location = variable->location;
}

StaticDeklarator::~StaticDeklarator() {
    delete variable;
    delete initialValue;
}

void StaticDeklarator::link() {
    linkChild(variable);
    linkChild(initialValue);
}

// Both "static $n = 0;" and "static $n;" define $n: PHP gives a static
// without initialiser the value null, and a later read of it must not be
// taken for a read of a file global of that name (a missing "global").
void StaticDeklarator::check() {
    if (variable) {
        variable->check();
        absorbDeclaration(variable, true, true, true);
    }
    checkAndAbsorb(initialValue);
}

Value StaticDeklarator::evaluate() { return Value(); }

// The initial value runs before the variable is set.
void StaticDeklarator::computeFlow() { combineFlow(initialValue, variable); }

void StaticDeklarator::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
    if (initialValue) out.push_back(initialValue);
}

}  // namespace php
