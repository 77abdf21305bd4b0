#include "nodes/InternaFunkcija.h"

namespace php {

InternaFunkcija::InternaFunkcija(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

InternaFunkcija::~InternaFunkcija() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void InternaFunkcija::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void InternaFunkcija::check() { checkAndAbsorb(inner); }

Value InternaFunkcija::evaluate() { return inner ? inner->evaluate() : Value(); }

Value InternaFunkcija::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* InternaFunkcija::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void InternaFunkcija::computeFlow() { adoptFlow(inner); }

void InternaFunkcija::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
