#include "nodes/Print.h"

namespace php {

Print::Print(const char*, const Location& keywordLocation, ParserBase* x)
    : ParserBase(keywordLocation) {
    operand = adopt(x);
}

Print::~Print() { delete operand; }

void Print::link() {
    linkChild(operand);
    staticType = integerType();
}

void Print::check() { checkAndAbsorb(operand); }

Value Print::evaluate() {
    Value one(fileName, location.firstLine);
    one.setInteger(1);
    return one;
}

Value Print::staticValue() { return evaluate(); }

void Print::computeFlow() { adoptFlow(operand); }

void Print::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
