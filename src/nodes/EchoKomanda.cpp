#include "nodes/EchoKomanda.h"

namespace php {

// The terminator's value is always null; it only holds its argument place.
EchoKomanda::EchoKomanda(const char*, const Location& keywordLocation, ParserBase* list,
                         ParserBase* terminator)
    : ParserBase(keywordLocation) {
    expressions = adopt(list);
    delete adopt(terminator);
}

EchoKomanda::~EchoKomanda() { delete expressions; }

void EchoKomanda::link() { linkChild(expressions); }

void EchoKomanda::check() { checkAndAbsorb(expressions); }

Value EchoKomanda::evaluate() { return Value(); }

void EchoKomanda::computeFlow() { adoptFlow(expressions); }

void EchoKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (expressions) out.push_back(expressions);
}

}  // namespace php
