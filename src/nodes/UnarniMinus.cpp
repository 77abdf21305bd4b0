#include "nodes/UnarniMinus.h"

namespace php {

UnarniMinus::UnarniMinus(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

UnarniMinus::~UnarniMinus() { delete operand; }

void UnarniMinus::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType == floatType() ? floatType() : integerType();
}

void UnarniMinus::check() { checkAndAbsorb(operand); }

Value UnarniMinus::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = x.negate();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value UnarniMinus::evaluate() { return compute(false); }

Value UnarniMinus::staticValue() { return compute(true); }

void UnarniMinus::computeFlow() { adoptFlow(operand); }

void UnarniMinus::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
