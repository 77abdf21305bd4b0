#include "nodes/Izraz.h"

#include "nodes/Promenljiva.h"

namespace php {

Izraz::Izraz(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

Izraz::~Izraz() { delete inner; }

// A kept Izraz is transparent: it carries the variable's type and value.
void Izraz::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void Izraz::check() { checkAndAbsorb(inner); }

Value Izraz::evaluate() { return inner ? inner->evaluate() : Value(); }

Value Izraz::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* Izraz::unwrap() {
    if (dynamic_cast<Promenljiva*>(inner)) return this;
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void Izraz::computeFlow() { adoptFlow(inner); }

void Izraz::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
