#include "nodes/DefinicijaNiza.h"

namespace php {

// The optional trailing comma's value is always null.
DefinicijaNiza::DefinicijaNiza(const char*, const Location& keywordLocation, const char*,
                               const Location&, ParserBase* list, ParserBase* trailingComma,
                               const char*, const Location&)
    : ParserBase(keywordLocation) {
    members = adopt(list);
    delete adopt(trailingComma);
}

DefinicijaNiza::DefinicijaNiza(const char*, const Location& keywordLocation, const char*,
                               const Location&, const char*, const Location&)
    : ParserBase(keywordLocation) {}

DefinicijaNiza::~DefinicijaNiza() { delete members; }

void DefinicijaNiza::link() { linkChild(members); }

void DefinicijaNiza::check() { checkAndAbsorb(members); }

Value DefinicijaNiza::evaluate() { return Value(fileName, location.firstLine); }

Value DefinicijaNiza::staticValue() {
    Value v(fileName, location.firstLine);
    v.makeArray();
    return v;
}

void DefinicijaNiza::computeFlow() { adoptFlow(members); }

void DefinicijaNiza::collectChildren(std::vector<ParserBase*>& out) {
    if (members) out.push_back(members);
}

}  // namespace php
