#include "nodes/UpitnikOperator.h"

#include "nodes/base/Chains.h"
#include "tree/FlowState.h"

namespace php {

UpitnikOperator::UpitnikOperator(ParserBase* c, const char*, const Location& questionLocation,
                                 ParserBase* a, const char*, const Location&, ParserBase* b)
    : ParserBase(questionLocation) {
    condition = adopt(c);
    then = adopt(a);
    otherwise = adopt(b);
}

UpitnikOperator::~UpitnikOperator() {
    delete condition;
    delete then;
    delete otherwise;
}

// The condition is checked first; see Chains.h for its predecessor.
void UpitnikOperator::link() {
    chains::linkFirstOperand(this, condition, chains::anchorBelow(this));
    linkChild(then);
    linkChild(otherwise);
}

// What the condition defines holds after the operator; of the branches, only
// what both define. The reads of `then` are checked against the condition's
// definitions; those of `otherwise` count as used without a check.
void UpitnikOperator::check() {
    checkAndAbsorb(condition);
    if (then) {
        then->check();
        resolveUses(then);
        unionUsedNames(then->usedNames());
        unionUsedNames(then->pendingUses());
    }
    if (otherwise) {
        otherwise->check();
        unionUsedNames(otherwise->usedNames());
        unionUsedNames(otherwise->pendingUses());
    }
    if (!then || !otherwise || !then->definitions() || !otherwise->definitions()) return;
    NameSet* both = nullptr;
    uniteInto(both, then->definitions());
    intersectInto(both, otherwise->definitions());
    unionDefinitions(both);
    delete both;
}

// A condition whose truth is unknown decides nothing.
Value UpitnikOperator::compute(bool statically) {
    if (!condition || !then || !otherwise) return Value();
    Value c = statically ? condition->staticValue() : condition->evaluate();
    if (!c.isComputable()) return Value();
    ParserBase* chosen = c.asBoolean() ? then : otherwise;
    return statically ? chosen->staticValue() : chosen->evaluate();
}

Value UpitnikOperator::evaluate() { return compute(false); }

Value UpitnikOperator::staticValue() { return compute(true); }

static FlowState* graphOf(ParserBase* node) {
    return node && node->flowState() ? node->flowState() : new FlowState();
}

// Both branch graphs (an empty state for a missing branch) go to every leaf
// of the condition; a graph no leaf took is destroyed.
void UpitnikOperator::computeFlow() {
    flow = graphOf(condition);
    FlowState* branches[2] = {graphOf(then), graphOf(otherwise)};
    bool taken[2];
    flow->fork(branches, 2, taken);
    for (int i = 0; i < 2; ++i) {
        if (taken[i]) continue;
        branches[i]->destroyGraph();
        delete branches[i];
    }
}

void UpitnikOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (then) out.push_back(then);
    if (otherwise) out.push_back(otherwise);
}

}  // namespace php
