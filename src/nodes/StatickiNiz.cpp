#include "nodes/StatickiNiz.h"

namespace php {

// The optional trailing comma's value is always null.
StatickiNiz::StatickiNiz(const char*, const Location& keywordLocation, const char*, const Location&,
                         ParserBase* list, ParserBase* trailingComma, const char*, const Location&)
    : ParserBase(keywordLocation) {
    members = adopt(list);
    delete adopt(trailingComma);
}

StatickiNiz::StatickiNiz(const char*, const Location& keywordLocation, const char*, const Location&,
                         const char*, const Location&)
    : ParserBase(keywordLocation) {}

StatickiNiz::~StatickiNiz() { delete members; }

void StatickiNiz::link() { linkChild(members); }

void StatickiNiz::check() { checkAndAbsorb(members); }

Value StatickiNiz::evaluate() {
    Value v(fileName, location.firstLine);
    v.makeArray();
    return v;
}

Value StatickiNiz::staticValue() { return evaluate(); }

void StatickiNiz::computeFlow() { adoptFlow(members); }

void StatickiNiz::collectChildren(std::vector<ParserBase*>& out) {
    if (members) out.push_back(members);
}

}  // namespace php
