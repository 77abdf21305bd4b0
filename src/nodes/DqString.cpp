#include "nodes/DqString.h"

#include <string>

namespace php {

static Value emptyString() {
    Value v;
    v.setString(std::string());
    return v;
}

// Located at the opening quote.
DqString::DqString(const char*, const Location& openLocation, ParserBase* p, const char*, const Location&)
    : ParserBase(openLocation), parts(adopt(p)) {}

DqString::~DqString() { delete parts; }

void DqString::link() {
    linkChild(parts);
    staticType = stringType();
}

void DqString::check() { checkAndAbsorb(parts); }

Value DqString::evaluate() { return parts ? parts->evaluate() : emptyString(); }

Value DqString::staticValue() { return parts ? parts->staticValue() : emptyString(); }

void DqString::computeFlow() { adoptFlow(parts); }

void DqString::collectChildren(std::vector<ParserBase*>& out) {
    if (parts) out.push_back(parts);
}

}  // namespace php
