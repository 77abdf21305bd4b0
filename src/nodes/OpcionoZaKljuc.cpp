#include "nodes/OpcionoZaKljuc.h"

namespace php {

OpcionoZaKljuc::OpcionoZaKljuc(const char* arrowText, const Location& arrowLoc, ParserBase* target)
    : ParserBase(arrowLoc) {
    operand = adopt(target);
}

OpcionoZaKljuc::~OpcionoZaKljuc() { delete operand; }

void OpcionoZaKljuc::link() { linkChild(operand); }

void OpcionoZaKljuc::check() { checkAndAbsorb(operand); }

Value OpcionoZaKljuc::evaluate() { return Value(); }

void OpcionoZaKljuc::computeFlow() { adoptFlow(operand); }

void OpcionoZaKljuc::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
