#include "nodes/IntCast.h"

namespace php {

IntCast::IntCast(const char*, const Location& openLocation, const char*, const Location&,
                 const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

IntCast::~IntCast() { delete operand; }

void IntCast::link() {
    linkChild(operand);
    if (operand) staticType = integerType();
}

void IntCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value IntCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(integerType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value IntCast::evaluate() { return compute(false); }

Value IntCast::staticValue() { return compute(true); }

void IntCast::computeFlow() { adoptFlow(operand); }

void IntCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
