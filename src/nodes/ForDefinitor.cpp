#include "nodes/ForDefinitor.h"

namespace php {

ForDefinitor::ForDefinitor(const char*, const Location& openLoc, ParserBase* initList, const char*,
                           const Location&, ParserBase* conditionList, const char*, const Location&,
                           ParserBase* stepList, const char*, const Location&)
    : ParserBase(openLoc) {
    init = adopt(initList);
    condition = adopt(conditionList);
    step = adopt(stepList);
}

ForDefinitor::~ForDefinitor() {
    delete init;
    delete condition;
    delete step;
}

void ForDefinitor::link() {
    linkChild(init);
    linkChild(condition);
    linkChild(step);
}

void ForDefinitor::check() {
    checkAndAbsorb(init);
    checkAndAbsorb(condition);
    checkAndAbsorb(step);
}

Value ForDefinitor::evaluate() { return Value(); }

// The for node builds its graph from the header's parts; this state of its
// own is not used by it.
void ForDefinitor::computeFlow() { seedFlow(); }

void ForDefinitor::collectChildren(std::vector<ParserBase*>& out) {
    if (init) out.push_back(init);
    if (condition) out.push_back(condition);
    if (step) out.push_back(step);
}

}  // namespace php
