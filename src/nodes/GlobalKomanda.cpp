#include "nodes/GlobalKomanda.h"

namespace php {

GlobalKomanda::GlobalKomanda(const char* globalText, const Location& globalLoc, ParserBase* list,
                             ParserBase* end)
    : ParserBase(globalLoc) {
    variables = adopt(list);
    delete adopt(end);  // the statement terminator carries no node
}

GlobalKomanda::~GlobalKomanda() { delete variables; }

void GlobalKomanda::link() { linkChild(variables); }

// The listed names become defined in the function's scope, unresolved: a
// global is never reported as uninitialised.
void GlobalKomanda::check() {
    if (!variables) return;
    variables->check();
    absorbDeclaration(variables, true, true, true);
}

Value GlobalKomanda::evaluate() { return Value(); }

void GlobalKomanda::computeFlow() { adoptFlow(variables); }

void GlobalKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (variables) out.push_back(variables);
}

}  // namespace php
