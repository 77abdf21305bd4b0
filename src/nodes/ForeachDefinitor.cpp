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

// The loop variables are declarations: their reads become definitions
// without being resolved, so they are never reported uninitialised. The
// subject's sets are copied, not taken over: the loop absorbs them again
// once it has forgotten the loop variables (absorbSubjectAgain).
void ForeachDefinitor::check() {
    if (subject) {
        subject->check();
        const KeepChildSets keep(this);
        absorbChild(subject, true, true, true);
    }
    if (arrowTarget) {
        arrowTarget->check();
        absorbDeclaration(arrowTarget, true, true, true);
    }
    if (firstTarget) {
        firstTarget->check();
        absorbDeclaration(firstTarget, true, true, true);
    }
}

void ForeachDefinitor::forgetLoopVariables() {
    intersectDefinitions(nullptr);
    intersectUsedNames(nullptr);
    intersectPendingUses(nullptr);
    absorbChild(subject, true, true, true);
}

Value ForeachDefinitor::evaluate() { return Value(); }

void ForeachDefinitor::computeFlow() { seedFlow(); }

void ForeachDefinitor::collectChildren(std::vector<ParserBase*>& out) {
    if (subject) out.push_back(subject);
    if (arrowTarget) out.push_back(arrowTarget);
    if (firstTarget) out.push_back(firstTarget);
}

}  // namespace php
