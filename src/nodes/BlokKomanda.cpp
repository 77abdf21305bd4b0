#include "nodes/BlokKomanda.h"

namespace php {

BlokKomanda::BlokKomanda(const char* openText, const Location& openLoc, ParserBase* statements,
                         const char* closeText, const Location& closeLoc)
    : ParserBase(openLoc) {
    inner = adopt(statements);
}

BlokKomanda::~BlokKomanda() { delete inner; }

void BlokKomanda::link() { linkChild(inner); }

void BlokKomanda::check() { checkAndAbsorb(inner); }

Value BlokKomanda::evaluate() { return Value(); }

ParserBase* BlokKomanda::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void BlokKomanda::computeFlow() { adoptFlow(inner); }

void BlokKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
