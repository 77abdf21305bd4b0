#include "nodes/Ofset.h"

namespace php {

Ofset::Ofset(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

Ofset::~Ofset() { delete inner; }

void Ofset::link() { linkChild(inner); }

void Ofset::check() { checkAndAbsorb(inner); }

Value Ofset::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* Ofset::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void Ofset::computeFlow() { adoptFlow(inner); }

void Ofset::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
