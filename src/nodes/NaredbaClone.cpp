#include "nodes/NaredbaClone.h"

namespace php {

NaredbaClone::NaredbaClone(const char*, const Location& keywordLocation, ParserBase* x)
    : ParserBase(keywordLocation) {
    operand = adopt(x);
}

NaredbaClone::~NaredbaClone() { delete operand; }

void NaredbaClone::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType;
}

void NaredbaClone::check() { checkAndAbsorb(operand); }

Value NaredbaClone::evaluate() { return Value(); }

void NaredbaClone::computeFlow() { adoptFlow(operand); }

void NaredbaClone::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
