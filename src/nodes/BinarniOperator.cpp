#include "nodes/BinarniOperator.h"

namespace php {

BinarniOperator::BinarniOperator(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

BinarniOperator::~BinarniOperator() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void BinarniOperator::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void BinarniOperator::check() { checkAndAbsorb(inner); }

Value BinarniOperator::evaluate() { return inner ? inner->evaluate() : Value(); }

Value BinarniOperator::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* BinarniOperator::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void BinarniOperator::computeFlow() { adoptFlow(inner); }

void BinarniOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
