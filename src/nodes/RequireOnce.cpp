#include "nodes/RequireOnce.h"

namespace php {

RequireOnce::RequireOnce(const char*, const Location& keywordLocation, ParserBase* p)
    : ParserBase(keywordLocation) {
    path = adopt(p);
}

RequireOnce::~RequireOnce() {
    delete path;
    delete included;
}

void RequireOnce::link() {
    linkChild(path);
    staticType = integerType();
}

void RequireOnce::check() {
    checkAndAbsorb(path);
    checkAndAbsorb(included);
}

Value RequireOnce::evaluate() { return Value(); }

Value RequireOnce::staticValue() { return Value(); }

void RequireOnce::computeFlow() { combineFlow(path, included); }

void RequireOnce::collectChildren(std::vector<ParserBase*>& out) {
    if (path) out.push_back(path);
    if (included) out.push_back(included);
}

}  // namespace php
