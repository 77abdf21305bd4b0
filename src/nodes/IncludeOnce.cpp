#include "nodes/IncludeOnce.h"

namespace php {

IncludeOnce::IncludeOnce(const char*, const Location& keywordLocation, ParserBase* p)
    : ParserBase(keywordLocation) {
    path = adopt(p);
}

IncludeOnce::~IncludeOnce() {
    delete path;
    delete included;
}

void IncludeOnce::link() {
    linkChild(path);
    staticType = integerType();
}

void IncludeOnce::check() {
    checkAndAbsorb(path);
    checkAndAbsorb(included);
}

Value IncludeOnce::evaluate() { return Value(); }

Value IncludeOnce::staticValue() { return Value(); }

void IncludeOnce::computeFlow() { combineFlow(path, included); }

void IncludeOnce::collectChildren(std::vector<ParserBase*>& out) {
    if (path) out.push_back(path);
    if (included) out.push_back(included);
}

}  // namespace php
