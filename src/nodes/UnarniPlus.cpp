#include "nodes/UnarniPlus.h"

namespace php {

UnarniPlus::UnarniPlus(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

UnarniPlus::~UnarniPlus() { delete operand; }

void UnarniPlus::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType == floatType() ? floatType() : integerType();
}

void UnarniPlus::check() { checkAndAbsorb(operand); }

Value UnarniPlus::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = x.unaryPlus();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value UnarniPlus::evaluate() { return compute(false); }

Value UnarniPlus::staticValue() { return compute(true); }

void UnarniPlus::computeFlow() { adoptFlow(operand); }

void UnarniPlus::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
