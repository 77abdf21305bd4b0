#include "nodes/Komanda.h"

namespace php {

Komanda::Komanda(ParserBase* statement) {
    inner = adopt(statement);
    if (inner) location = inner->location;
}

Komanda::Komanda(const char*, const Location& loc) : ParserBase(loc) {}

Komanda::~Komanda() { delete inner; }

void Komanda::link() { linkChild(inner); }

void Komanda::check() { checkAndAbsorb(inner); }

Value Komanda::evaluate() { return Value(); }

ParserBase* Komanda::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void Komanda::computeFlow() { adoptFlow(inner); }

void Komanda::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
