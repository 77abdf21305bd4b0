#include "nodes/Naredba.h"

namespace php {

Naredba::Naredba(ParserBase* statement) {
    inner = adopt(statement);
    if (inner) location = inner->location;
}

Naredba::Naredba(const Location& loc) : ParserBase(loc), terminates(1) {}

Naredba::~Naredba() { delete inner; }

void Naredba::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void Naredba::check() { checkAndAbsorb(inner); }

Value Naredba::evaluate() { return Value(); }

ParserBase* Naredba::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void Naredba::computeFlow() { adoptFlow(inner); }

void Naredba::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
