#include "nodes/StaticKomanda.h"

namespace php {

StaticKomanda::StaticKomanda(const char* staticText, const Location& staticLoc, ParserBase* list,
                             ParserBase* end)
    : ParserBase(staticLoc) {
    declarators = adopt(list);
    delete adopt(end);  // the statement terminator carries no node
}

StaticKomanda::~StaticKomanda() { delete declarators; }

void StaticKomanda::link() { linkChild(declarators); }

void StaticKomanda::check() {
    if (!declarators) return;
    declarators->check();
    absorbDeclaration(declarators, true, true, true);
}

Value StaticKomanda::evaluate() { return Value(); }

void StaticKomanda::computeFlow() { adoptFlow(declarators); }

void StaticKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (declarators) out.push_back(declarators);
}

}  // namespace php
