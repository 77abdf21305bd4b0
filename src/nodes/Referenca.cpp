#include "nodes/Referenca.h"

namespace php {

Referenca::Referenca(const char*, const Location& loc, ParserBase* x) : ParserBase(loc), operand(adopt(x)) {}

Referenca::~Referenca() { delete operand; }

void Referenca::link() { linkChild(operand); }

void Referenca::check() { checkAndAbsorb(operand); }

Value Referenca::evaluate() { return operand ? operand->evaluate() : Value(); }

void Referenca::computeFlow() { adoptFlow(operand); }

void Referenca::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
