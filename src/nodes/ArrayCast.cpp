#include "nodes/ArrayCast.h"

namespace php {

ArrayCast::ArrayCast(const char*, const Location& openLocation, const char*, const Location&,
                     const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

ArrayCast::~ArrayCast() { delete operand; }

void ArrayCast::link() {
    linkChild(operand);
    if (operand) staticType = arrayType();
}

void ArrayCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value ArrayCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(arrayType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value ArrayCast::evaluate() { return compute(false); }

Value ArrayCast::staticValue() { return compute(true); }

void ArrayCast::computeFlow() { adoptFlow(operand); }

void ArrayCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
