#include "nodes/ExitNaredba.h"

namespace php {

ExitNaredba::ExitNaredba(const char*, const Location& keywordLocation)
    : ParserBase(keywordLocation) {}

ExitNaredba::ExitNaredba(const char*, const Location& keywordLocation, const char*, const Location&,
                         const char*, const Location&)
    : ParserBase(keywordLocation) {}

ExitNaredba::ExitNaredba(const char*, const Location& keywordLocation, const char*, const Location&,
                         ParserBase* x, const char*, const Location&)
    : ParserBase(keywordLocation) {
    operand = adopt(x);
}

ExitNaredba::~ExitNaredba() { delete operand; }

void ExitNaredba::link() { linkChild(operand); }

void ExitNaredba::check() { checkAndAbsorb(operand); }

Value ExitNaredba::evaluate() { return Value(); }

void ExitNaredba::computeFlow() { adoptFlow(operand); }

void ExitNaredba::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
