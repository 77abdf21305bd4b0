#include "nodes/ForeachNaredba.h"

namespace php {

ForeachNaredba::ForeachNaredba(ParserBase* statement) {
    inner = adopt(statement);
    if (inner) location = inner->location;
}

ForeachNaredba::ForeachNaredba(ParserBase* statements, const char* endforeachText,
                               const Location& endforeachLoc, ParserBase* end)
    : ParserBase(endforeachLoc) {
    inner = adopt(statements);
    delete adopt(end);  // the statement terminator carries no node
}

ForeachNaredba::~ForeachNaredba() { delete inner; }

void ForeachNaredba::link() { linkChild(inner); }

void ForeachNaredba::check() { checkAndAbsorb(inner); }

Value ForeachNaredba::evaluate() { return Value(); }

void ForeachNaredba::computeFlow() { adoptFlow(inner); }

void ForeachNaredba::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
