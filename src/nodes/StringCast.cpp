#include "nodes/StringCast.h"

namespace php {

StringCast::StringCast(const char*, const Location& openLocation, const char*, const Location&,
                       const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

StringCast::~StringCast() { delete operand; }

void StringCast::link() {
    linkChild(operand);
    if (operand) staticType = stringType();
}

void StringCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value StringCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(stringType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value StringCast::evaluate() { return compute(false); }

Value StringCast::staticValue() { return compute(true); }

void StringCast::computeFlow() { adoptFlow(operand); }

void StringCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
