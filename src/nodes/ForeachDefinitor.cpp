#include "nodes/ForeachDefinitor.h"

namespace php {

ForeachDefinitor::ForeachDefinitor(const char*, const Location& openLoc, ParserBase* iterated,
                                   const char*, const Location&, ParserBase* target,
                                   ParserBase* arrow, const char*, const Location&)
    : ParserBase(openLoc) {
    subject = adopt(iterated);
    firstTarget = adopt(target);
    arrowTarget = adopt(arrow);
}

ForeachDefinitor::~ForeachDefinitor() {
    delete subject;
    delete firstTarget;
    delete arrowTarget;
}

void ForeachDefinitor::link() {
    linkChild(subject);
    linkChild(arrowTarget);
    linkChild(firstTarget);
}

void ForeachDefinitor::check() {
    checkAndAbsorb(subject);
    checkAndAbsorb(arrowTarget);
    checkAndAbsorb(firstTarget);
}

Value ForeachDefinitor::evaluate() { return Value(); }

void ForeachDefinitor::computeFlow() { seedFlow(); }

void ForeachDefinitor::collectChildren(std::vector<ParserBase*>& out) {
    if (subject) out.push_back(subject);
    if (arrowTarget) out.push_back(arrowTarget);
    if (firstTarget) out.push_back(firstTarget);
}

}  // namespace php
