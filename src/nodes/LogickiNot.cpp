#include "nodes/LogickiNot.h"

namespace php {

LogickiNot::LogickiNot(const char*, const Location& opLocation, ParserBase* x)
    : ParserBase(opLocation) {
    operand = adopt(x);
}

LogickiNot::~LogickiNot() { delete operand; }

void LogickiNot::link() {
    linkChild(operand);
    if (operand) staticType = booleanType();
}

void LogickiNot::check() { checkAndAbsorb(operand); }

Value LogickiNot::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = x.logicalNot();
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value LogickiNot::evaluate() { return compute(false); }

Value LogickiNot::staticValue() { return compute(true); }

void LogickiNot::computeFlow() { adoptFlow(operand); }

void LogickiNot::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
