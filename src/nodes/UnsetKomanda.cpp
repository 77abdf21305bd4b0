#include "nodes/UnsetKomanda.h"

namespace php {

UnsetKomanda::UnsetKomanda(const char* unsetText, const Location& unsetLoc, const char* openText,
                           const Location& openLoc, ParserBase* list, const char* closeText,
                           const Location& closeLoc, ParserBase* end)
    : ParserBase(unsetLoc) {
    variables = adopt(list);
    delete adopt(end);  // the statement terminator carries no node
}

UnsetKomanda::~UnsetKomanda() { delete variables; }

void UnsetKomanda::link() { linkChild(variables); }

void UnsetKomanda::check() { checkAndAbsorb(variables); }

Value UnsetKomanda::evaluate() { return Value(); }

void UnsetKomanda::computeFlow() { adoptFlow(variables); }

void UnsetKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (variables) out.push_back(variables);
}

}  // namespace php
