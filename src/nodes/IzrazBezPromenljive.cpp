#include "nodes/IzrazBezPromenljive.h"

namespace php {

IzrazBezPromenljive::IzrazBezPromenljive(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

IzrazBezPromenljive::IzrazBezPromenljive(const char*, const Location& openLocation, ParserBase* x,
                                         const char*, const Location&)
    : ParserBase(openLocation) {
    inner = adopt(x);
}

IzrazBezPromenljive::~IzrazBezPromenljive() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void IzrazBezPromenljive::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void IzrazBezPromenljive::check() { checkAndAbsorb(inner); }

Value IzrazBezPromenljive::evaluate() { return inner ? inner->evaluate() : Value(); }

Value IzrazBezPromenljive::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* IzrazBezPromenljive::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void IzrazBezPromenljive::computeFlow() { adoptFlow(inner); }

void IzrazBezPromenljive::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
