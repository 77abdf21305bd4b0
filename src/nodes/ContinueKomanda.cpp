#include "nodes/ContinueKomanda.h"

namespace php {

ContinueKomanda::ContinueKomanda(const char* continueText, const Location& continueLoc,
                                 ParserBase* end)
    : ParserBase(continueLoc) {
    delete adopt(end);  // the statement terminator carries no node
}

ContinueKomanda::ContinueKomanda(const char* continueText, const Location& continueLoc,
                                 ParserBase* level, ParserBase* end)
    : ParserBase(continueLoc) {
    operand = adopt(level);
    delete adopt(end);  // the statement terminator carries no node
}

ContinueKomanda::~ContinueKomanda() { delete operand; }

void ContinueKomanda::link() { linkChild(operand); }

void ContinueKomanda::check() { checkAndAbsorb(operand); }

Value ContinueKomanda::evaluate() { return Value(); }

void ContinueKomanda::computeFlow() { adoptFlow(operand); }

void ContinueKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
