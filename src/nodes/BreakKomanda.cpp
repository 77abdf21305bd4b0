#include "nodes/BreakKomanda.h"

namespace php {

BreakKomanda::BreakKomanda(const char* breakText, const Location& breakLoc, ParserBase* end)
    : ParserBase(breakLoc) {
    delete adopt(end);  // the statement terminator carries no node
}

BreakKomanda::BreakKomanda(const char* breakText, const Location& breakLoc, ParserBase* level,
                           ParserBase* end)
    : ParserBase(breakLoc) {
    operand = adopt(level);
    delete adopt(end);  // the statement terminator carries no node
}

BreakKomanda::~BreakKomanda() { delete operand; }

void BreakKomanda::link() { linkChild(operand); }

void BreakKomanda::check() { checkAndAbsorb(operand); }

Value BreakKomanda::evaluate() { return Value(); }

void BreakKomanda::computeFlow() { adoptFlow(operand); }

void BreakKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
