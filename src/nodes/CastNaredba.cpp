#include "nodes/CastNaredba.h"

namespace php {

CastNaredba::CastNaredba(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

CastNaredba::~CastNaredba() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void CastNaredba::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void CastNaredba::check() { checkAndAbsorb(inner); }

Value CastNaredba::evaluate() { return inner ? inner->evaluate() : Value(); }

Value CastNaredba::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* CastNaredba::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void CastNaredba::computeFlow() { adoptFlow(inner); }

void CastNaredba::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
