#include "nodes/Else.h"

namespace php {

Else::Else(const char* elseText, const Location& elseLoc, ParserBase* statement)
    : ParserBase(elseLoc) {
    inner = adopt(statement);
}

Else::Else(ParserBase* elseIf) {
    inner = adopt(elseIf);
    if (inner) location = inner->location;
}

Else::~Else() { delete inner; }

void Else::link() { linkChild(inner); }

void Else::check() { checkAndAbsorb(inner); }

Value Else::evaluate() { return Value(); }

ParserBase* Else::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void Else::computeFlow() { adoptFlow(inner); }

void Else::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
