#include "nodes/UnsetCast.h"

namespace php {

UnsetCast::UnsetCast(const char*, const Location& openLocation, const char*, const Location&,
                     const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

UnsetCast::~UnsetCast() { delete operand; }

void UnsetCast::link() {
    linkChild(operand);
    if (operand) staticType = nullType();
}

void UnsetCast::check() { checkAndAbsorb(operand); }

// The initialised flag survives the conversion, so an operand of unknown type
// yields the target type's default content.
Value UnsetCast::compute(bool statically) {
    if (!operand) return Value();
    Value result = statically ? operand->staticValue() : operand->evaluate();
    result.convertTo(nullType());
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value UnsetCast::evaluate() { return compute(false); }

Value UnsetCast::staticValue() { return compute(true); }

void UnsetCast::computeFlow() { adoptFlow(operand); }

void UnsetCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
