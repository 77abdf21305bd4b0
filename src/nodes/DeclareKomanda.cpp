#include "nodes/DeclareKomanda.h"

namespace php {

DeclareKomanda::DeclareKomanda(const char*, const Location& declareLoc, const char*,
                               const Location&, ParserBase* list, const char*, const Location&,
                               ParserBase* statement)
    : ParserBase(declareLoc) {
    directives = adopt(list);
    body = adopt(statement);
}

DeclareKomanda::~DeclareKomanda() {
    delete directives;
    delete body;
}

void DeclareKomanda::link() {
    linkChild(directives);
    linkChild(body);
}

void DeclareKomanda::check() {
    checkAndAbsorb(directives);
    checkAndAbsorb(body);
}

Value DeclareKomanda::evaluate() { return Value(); }

void DeclareKomanda::computeFlow() { combineFlow(directives, body); }

void DeclareKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (directives) out.push_back(directives);
    if (body) out.push_back(body);
}

}  // namespace php
