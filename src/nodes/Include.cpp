#include "nodes/Include.h"

namespace php {

Include::Include(const char*, const Location& keywordLocation, ParserBase* p)
    : ParserBase(keywordLocation) {
    path = adopt(p);
}

Include::~Include() {
    delete path;
    delete included;
}

void Include::link() {
    linkChild(path);
    staticType = integerType();
}

void Include::check() {
    checkAndAbsorb(path);
    checkAndAbsorb(included);
}

Value Include::evaluate() { return Value(); }

Value Include::staticValue() { return Value(); }

void Include::computeFlow() { combineFlow(path, included); }

void Include::collectChildren(std::vector<ParserBase*>& out) {
    if (path) out.push_back(path);
    if (included) out.push_back(included);
}

}  // namespace php
