#include "nodes/OpcListaParametaraPoziva.h"

namespace php {

OpcListaParametaraPoziva::OpcListaParametaraPoziva(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

OpcListaParametaraPoziva::~OpcListaParametaraPoziva() { delete inner; }

void OpcListaParametaraPoziva::link() { linkChild(inner); }

void OpcListaParametaraPoziva::check() { checkAndAbsorb(inner); }

Value OpcListaParametaraPoziva::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* OpcListaParametaraPoziva::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void OpcListaParametaraPoziva::computeFlow() { adoptFlow(inner); }

void OpcListaParametaraPoziva::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
