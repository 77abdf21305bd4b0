#include "nodes/FunkcijskiPoziv.h"

namespace php {

FunkcijskiPoziv::FunkcijskiPoziv(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

FunkcijskiPoziv::~FunkcijskiPoziv() { delete inner; }

void FunkcijskiPoziv::link() { linkChild(inner); }

void FunkcijskiPoziv::check() { checkAndAbsorb(inner); }

Value FunkcijskiPoziv::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* FunkcijskiPoziv::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void FunkcijskiPoziv::computeFlow() { adoptFlow(inner); }

void FunkcijskiPoziv::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
