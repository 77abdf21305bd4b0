#include "nodes/StatickiSkalar.h"

namespace php {

StatickiSkalar::StatickiSkalar(ParserBase* x) : ParserBase(x) { operand = adopt(x); }

StatickiSkalar::StatickiSkalar(const char* s, const Location& signLocation, ParserBase* x)
    : ParserBase(signLocation) {
    sign = s && s[0] == '-' ? -1 : 1;
    operand = adopt(x);
}

StatickiSkalar::~StatickiSkalar() { delete operand; }

void StatickiSkalar::link() {
    linkChild(operand);
    if (!operand) return;
    if (sign == 0)
        staticType = operand->staticType;
    else
        staticType = operand->staticType == floatType() ? floatType() : integerType();
}

void StatickiSkalar::check() { checkAndAbsorb(operand); }

// The sign applies to the constant value only.
Value StatickiSkalar::evaluate() { return operand ? operand->evaluate() : Value(); }

Value StatickiSkalar::staticValue() {
    if (!operand) return Value();
    Value v = operand->staticValue();
    if (sign < 0) return v.negate();
    if (sign > 0) return v.unaryPlus();
    return v;
}

ParserBase* StatickiSkalar::unwrap() {
    if (sign != 0 && operand) return this;
    ParserBase* x = operand;
    operand = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void StatickiSkalar::computeFlow() { adoptFlow(operand); }

void StatickiSkalar::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
