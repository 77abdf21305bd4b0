#include "nodes/DeclareNaredba.h"

namespace php {

DeclareNaredba::DeclareNaredba(ParserBase* statement) {
    inner = adopt(statement);
    if (inner) location = inner->location;
}

DeclareNaredba::DeclareNaredba(ParserBase* statements, const char* enddeclareText,
                               const Location& enddeclareLoc, ParserBase* end)
    : ParserBase(enddeclareLoc) {
    inner = adopt(statements);
    delete adopt(end);  // the statement terminator carries no node
}

DeclareNaredba::~DeclareNaredba() { delete inner; }

void DeclareNaredba::link() { linkChild(inner); }

void DeclareNaredba::check() { checkAndAbsorb(inner); }

Value DeclareNaredba::evaluate() { return Value(); }

void DeclareNaredba::computeFlow() { adoptFlow(inner); }

void DeclareNaredba::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
