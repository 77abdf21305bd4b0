#include "nodes/InkrementOperator.h"

namespace php {

InkrementOperator::InkrementOperator(ParserBase* x, const char*, const Location& opLocation)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

InkrementOperator::InkrementOperator(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation), prefix(true) {
    operand = adopt(x);
}

InkrementOperator::~InkrementOperator() { delete operand; }

void InkrementOperator::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType == floatType() ? floatType() : integerType();
}

void InkrementOperator::check() { checkAndAbsorb(operand); }

// Works on a copy: the variable's stored value is never changed.
Value InkrementOperator::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = prefix ? Value(x.preIncrement()) : x.postIncrement();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value InkrementOperator::evaluate() { return compute(false); }

Value InkrementOperator::staticValue() { return compute(true); }

void InkrementOperator::computeFlow() { adoptFlow(operand); }

void InkrementOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
