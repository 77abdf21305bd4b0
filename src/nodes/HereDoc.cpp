#include "nodes/HereDoc.h"

#include <string>

namespace php {

static Value emptyString() {
    Value v;
    v.setString(std::string());
    return v;
}

// Located at the "<<<" token.
HereDoc::HereDoc(const char*, const Location& openLocation, ParserBase* p, const char*, const Location&)
    : ParserBase(openLocation), parts(adopt(p)) {}

HereDoc::~HereDoc() { delete parts; }

void HereDoc::link() {
    linkChild(parts);
    staticType = stringType();
}

void HereDoc::check() { checkAndAbsorb(parts); }

Value HereDoc::evaluate() { return parts ? parts->evaluate() : emptyString(); }

Value HereDoc::staticValue() { return parts ? parts->staticValue() : emptyString(); }

void HereDoc::computeFlow() { adoptFlow(parts); }

void HereDoc::collectChildren(std::vector<ParserBase*>& out) {
    if (parts) out.push_back(parts);
}

}  // namespace php
