#include "nodes/UnarniOperator.h"

namespace php {

UnarniOperator::UnarniOperator(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

UnarniOperator::~UnarniOperator() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void UnarniOperator::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void UnarniOperator::check() { checkAndAbsorb(inner); }

Value UnarniOperator::evaluate() { return inner ? inner->evaluate() : Value(); }

Value UnarniOperator::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* UnarniOperator::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void UnarniOperator::computeFlow() { adoptFlow(inner); }

void UnarniOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
