#include "nodes/DekrementOperator.h"

namespace php {

DekrementOperator::DekrementOperator(ParserBase* x, const char*, const Location& opLocation)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

DekrementOperator::DekrementOperator(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation), prefix(true) {
    operand = adopt(x);
}

DekrementOperator::~DekrementOperator() { delete operand; }

void DekrementOperator::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType == floatType() ? floatType() : integerType();
}

void DekrementOperator::check() { checkAndAbsorb(operand); }

// Works on a copy: the variable's stored value is never changed.
Value DekrementOperator::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = prefix ? Value(x.preDecrement()) : x.postDecrement();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value DekrementOperator::evaluate() { return compute(false); }

Value DekrementOperator::staticValue() { return compute(true); }

void DekrementOperator::computeFlow() { adoptFlow(operand); }

void DekrementOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
