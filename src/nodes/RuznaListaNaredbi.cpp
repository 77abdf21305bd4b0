#include "nodes/RuznaListaNaredbi.h"

namespace php {

RuznaListaNaredbi::RuznaListaNaredbi(const char* colonText, const Location& colonLoc,
                                     ParserBase* statements)
    : ParserBase(colonLoc) {
    inner = adopt(statements);
}

RuznaListaNaredbi::~RuznaListaNaredbi() { delete inner; }

void RuznaListaNaredbi::link() { linkChild(inner); }

void RuznaListaNaredbi::check() { checkAndAbsorb(inner); }

Value RuznaListaNaredbi::evaluate() { return Value(); }

ParserBase* RuznaListaNaredbi::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void RuznaListaNaredbi::computeFlow() { adoptFlow(inner); }

void RuznaListaNaredbi::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
