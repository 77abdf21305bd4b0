#include "nodes/Referenca.h"

namespace php {

Referenca::Referenca(const char*, const Location& loc, ParserBase* x) : ParserBase(loc), operand(adopt(x)) {}

Referenca::~Referenca() { delete operand; }

void Referenca::link() { linkChild(operand); }

// The variable stays pending: the construct above decides whether taking a
// reference reads or declares it.
void Referenca::check() {
    if (!operand) return;
    operand->check();
    propagateChild(operand, true, true, true);
}

Value Referenca::evaluate() { return operand ? operand->evaluate() : Value(); }

void Referenca::computeFlow() { adoptFlow(operand); }

void Referenca::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
