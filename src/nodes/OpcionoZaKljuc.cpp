#include "nodes/OpcionoZaKljuc.h"

namespace php {

OpcionoZaKljuc::OpcionoZaKljuc(const char* arrowText, const Location& arrowLoc, ParserBase* target)
    : ParserBase(arrowLoc) {
    operand = adopt(target);
}

OpcionoZaKljuc::~OpcionoZaKljuc() { delete operand; }

void OpcionoZaKljuc::link() { linkChild(operand); }

// The key variable stays pending for the `foreach`, which declares it.
void OpcionoZaKljuc::check() {
    if (!operand) return;
    operand->check();
    propagateChild(operand, true, true, true);
}

Value OpcionoZaKljuc::evaluate() { return Value(); }

void OpcionoZaKljuc::computeFlow() { adoptFlow(operand); }

void OpcionoZaKljuc::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
