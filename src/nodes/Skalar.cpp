#include "nodes/Skalar.h"

namespace php {

Skalar::Skalar(ParserBase* x) : ParserBase(x) { operand = adopt(x); }

Skalar::~Skalar() { delete operand; }

void Skalar::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType;
}

void Skalar::check() { checkAndAbsorb(operand); }

Value Skalar::evaluate() { return operand ? operand->evaluate() : Value(); }

Value Skalar::staticValue() { return operand ? operand->staticValue() : Value(); }

// The operand was unwrapped when this node adopted it; it is not unwrapped again.
ParserBase* Skalar::unwrap() {
    ParserBase* x = operand;
    operand = nullptr;
    delete this;
    return x;
}

void Skalar::computeFlow() { adoptFlow(operand); }

void Skalar::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
