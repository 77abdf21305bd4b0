#include "nodes/BoolCast.h"

namespace php {

BoolCast::BoolCast(const char*, const Location& openLocation, const char*, const Location&,
                   const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

BoolCast::~BoolCast() { delete operand; }

void BoolCast::link() {
    linkChild(operand);
    if (operand) staticType = booleanType();
}

void BoolCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value BoolCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(booleanType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BoolCast::evaluate() { return compute(false); }

Value BoolCast::staticValue() { return compute(true); }

void BoolCast::computeFlow() { adoptFlow(operand); }

void BoolCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
