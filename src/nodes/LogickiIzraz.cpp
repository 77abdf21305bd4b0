#include "nodes/LogickiIzraz.h"

namespace php {

LogickiIzraz::LogickiIzraz(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

LogickiIzraz::~LogickiIzraz() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void LogickiIzraz::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void LogickiIzraz::check() { checkAndAbsorb(inner); }

Value LogickiIzraz::evaluate() { return inner ? inner->evaluate() : Value(); }

Value LogickiIzraz::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* LogickiIzraz::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void LogickiIzraz::computeFlow() { adoptFlow(inner); }

void LogickiIzraz::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
