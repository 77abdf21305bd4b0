#include "nodes/DoubleCast.h"

namespace php {

DoubleCast::DoubleCast(const char*, const Location& openLocation, const char*, const Location&,
                       const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

DoubleCast::~DoubleCast() { delete operand; }

void DoubleCast::link() {
    linkChild(operand);
    if (operand) staticType = floatType();
}

void DoubleCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value DoubleCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(floatType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value DoubleCast::evaluate() { return compute(false); }

Value DoubleCast::staticValue() { return compute(true); }

void DoubleCast::computeFlow() { adoptFlow(operand); }

void DoubleCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
