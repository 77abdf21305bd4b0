#include "nodes/Require.h"

namespace php {

Require::Require(const char*, const Location& keywordLocation, ParserBase* p)
    : ParserBase(keywordLocation) {
    path = adopt(p);
}

Require::~Require() {
    delete path;
    delete included;
}

void Require::link() {
    linkChild(path);
    staticType = integerType();
}

void Require::check() {
    checkAndAbsorb(path);
    checkAndAbsorb(included);
}

Value Require::evaluate() { return Value(); }

Value Require::staticValue() { return Value(); }

void Require::computeFlow() { combineFlow(path, included); }

void Require::collectChildren(std::vector<ParserBase*>& out) {
    if (path) out.push_back(path);
    if (included) out.push_back(included);
}

}  // namespace php
