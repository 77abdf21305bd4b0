#include "nodes/BackqString.h"

#include <string>

namespace php {

static Value emptyString() {
    Value v;
    v.setString(std::string());
    return v;
}

// Located at the opening backquote.
BackqString::BackqString(const char*, const Location& openLocation, ParserBase* p, const char*, const Location&)
    : ParserBase(openLocation), parts(adopt(p)) {}

BackqString::~BackqString() { delete parts; }

void BackqString::link() {
    linkChild(parts);
    staticType = stringType();
}

void BackqString::check() { checkAndAbsorb(parts); }

Value BackqString::evaluate() { return emptyString(); }

Value BackqString::staticValue() { return parts ? parts->staticValue() : emptyString(); }

void BackqString::computeFlow() { adoptFlow(parts); }

void BackqString::collectChildren(std::vector<ParserBase*>& out) {
    if (parts) out.push_back(parts);
}

}  // namespace php
