#include "nodes/IzrazKomanda.h"

namespace php {

IzrazKomanda::IzrazKomanda(ParserBase* expression, ParserBase* end) {
    inner = adopt(expression);
    delete adopt(end);  // the statement terminator carries no node
    if (inner) location = inner->location;
}

IzrazKomanda::~IzrazKomanda() { delete inner; }

void IzrazKomanda::link() { linkChild(inner); }

void IzrazKomanda::check() { checkAndAbsorb(inner); }

Value IzrazKomanda::evaluate() { return Value(); }

ParserBase* IzrazKomanda::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void IzrazKomanda::computeFlow() { adoptFlow(inner); }

void IzrazKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
