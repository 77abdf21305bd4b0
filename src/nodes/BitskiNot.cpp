#include "nodes/BitskiNot.h"

namespace php {

BitskiNot::BitskiNot(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

BitskiNot::~BitskiNot() { delete operand; }

void BitskiNot::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType == stringType() ? stringType() : integerType();
}

void BitskiNot::check() { checkAndAbsorb(operand); }

Value BitskiNot::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = x.bitNot();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BitskiNot::evaluate() { return compute(false); }

Value BitskiNot::staticValue() { return compute(true); }

void BitskiNot::computeFlow() { adoptFlow(operand); }

void BitskiNot::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
