#include "nodes/MutavaNaredba.h"

namespace php {

MutavaNaredba::MutavaNaredba(const char*, const Location& atLocation, ParserBase* x)
    : ParserBase(atLocation) {
    inner = adopt(x);
}

MutavaNaredba::~MutavaNaredba() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void MutavaNaredba::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void MutavaNaredba::check() { checkAndAbsorb(inner); }

Value MutavaNaredba::evaluate() { return inner ? inner->evaluate() : Value(); }

Value MutavaNaredba::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* MutavaNaredba::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void MutavaNaredba::computeFlow() { adoptFlow(inner); }

void MutavaNaredba::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
