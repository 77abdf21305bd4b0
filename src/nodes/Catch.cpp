#include "nodes/Catch.h"

namespace php {

Catch::Catch(const char*, const Location& catchLoc, const char*, const Location&, ParserBase* name,
             ParserBase* var, const char*, const Location&, const char*, const Location&,
             ParserBase* list, const char*, const Location&)
    : ParserBase(catchLoc) {
    className = adopt(name);
    variable = adopt(var);
    statements = adopt(list);
}

Catch::~Catch() {
    delete className;
    delete variable;
    delete statements;
}

void Catch::link() {
    linkChild(className);
    linkChild(variable);
    linkChild(statements);
}

// The caught variable is declared here, never read.
void Catch::check() {
    checkAndAbsorb(className);
    if (variable) {
        variable->check();
        absorbDeclaration(variable, true, true, true);
    }
    checkAndAbsorb(statements);
}

Value Catch::evaluate() { return Value(); }

void Catch::computeFlow() { combineFlow(variable, statements); }

void Catch::collectChildren(std::vector<ParserBase*>& out) {
    if (className) out.push_back(className);
    if (variable) out.push_back(variable);
    if (statements) out.push_back(statements);
}

}  // namespace php
