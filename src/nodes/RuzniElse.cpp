#include "nodes/RuzniElse.h"

namespace php {

RuzniElse::RuzniElse(const char* elseText, const Location& elseLoc, ParserBase* statements)
    : ParserBase(elseLoc) {
    inner = adopt(statements);
}

RuzniElse::RuzniElse(ParserBase* elseIf) {
    inner = adopt(elseIf);
    if (inner) location = inner->location;
}

RuzniElse::~RuzniElse() { delete inner; }

void RuzniElse::link() { linkChild(inner); }

void RuzniElse::check() { checkAndAbsorb(inner); }

Value RuzniElse::evaluate() { return Value(); }

// The inner node is handed over as it is, without unwrapping it again.
ParserBase* RuzniElse::unwrap() {
    ParserBase* result = inner;
    inner = nullptr;
    delete this;
    return result;
}

void RuzniElse::computeFlow() { adoptFlow(inner); }

void RuzniElse::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
