#include "nodes/OpcFunkcijskiPoziv.h"

namespace php {

OpcFunkcijskiPoziv::OpcFunkcijskiPoziv(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

OpcFunkcijskiPoziv::~OpcFunkcijskiPoziv() { delete inner; }

void OpcFunkcijskiPoziv::link() { linkChild(inner); }

void OpcFunkcijskiPoziv::check() { checkAndAbsorb(inner); }

Value OpcFunkcijskiPoziv::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* OpcFunkcijskiPoziv::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void OpcFunkcijskiPoziv::computeFlow() { adoptFlow(inner); }

void OpcFunkcijskiPoziv::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
