#include "nodes/NaredbaEval.h"

namespace php {

NaredbaEval::NaredbaEval(const char*, const Location& keywordLocation, const char*, const Location&,
                         ParserBase* x, const char*, const Location&)
    : ParserBase(keywordLocation) {
    operand = adopt(x);
}

NaredbaEval::~NaredbaEval() { delete operand; }

void NaredbaEval::link() { linkChild(operand); }

void NaredbaEval::check() { checkAndAbsorb(operand); }

Value NaredbaEval::evaluate() { return Value(); }

void NaredbaEval::computeFlow() { adoptFlow(operand); }

void NaredbaEval::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
