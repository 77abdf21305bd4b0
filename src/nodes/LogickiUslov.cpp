#include "nodes/LogickiUslov.h"

namespace php {

LogickiUslov::LogickiUslov(const char*, const Location& openLocation, ParserBase* x, const char*,
                           const Location&)
    : ParserBase(openLocation) {
    inner = adopt(x);
}

LogickiUslov::~LogickiUslov() { delete inner; }

// The wrapper never survives adoption; these keep it transparent should it
// ever be linked on its own.
void LogickiUslov::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void LogickiUslov::check() { checkAndAbsorb(inner); }

Value LogickiUslov::evaluate() { return inner ? inner->evaluate() : Value(); }

Value LogickiUslov::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* LogickiUslov::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void LogickiUslov::computeFlow() { adoptFlow(inner); }

void LogickiUslov::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
