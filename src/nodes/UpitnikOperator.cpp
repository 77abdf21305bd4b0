#include "nodes/UpitnikOperator.h"

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

void UpitnikOperator::link() {
    linkChild(condition);
    linkChild(then);
    linkChild(otherwise);
}

void UpitnikOperator::check() {
    checkAndAbsorb(condition);
    checkAndAbsorb(then);
    checkAndAbsorb(otherwise);
}

Value UpitnikOperator::compute(bool statically) {
    if (!condition || !then || !otherwise) return Value();
    Value c = statically ? condition->staticValue() : condition->evaluate();
    ParserBase* chosen = c.asBoolean() ? then : otherwise;
    return statically ? chosen->staticValue() : chosen->evaluate();
}

Value UpitnikOperator::evaluate() { return compute(false); }

Value UpitnikOperator::staticValue() { return compute(true); }

// Offers a branch's graph (an empty state for a missing branch) to every leaf
// of the condition; a graph no leaf took is destroyed.
static void attachAtLeaves(const FlowSet& leaves, ParserBase* branch) {
    FlowState* s = branch && branch->flowState() ? branch->flowState() : new FlowState();
    bool taken = false;
    for (FlowState* leaf : leaves)
        if (leaf->attach(s)) taken = true;
    if (!taken) {
        s->destroyGraph();
        delete s;
    }
}

void UpitnikOperator::computeFlow() {
    flow = condition && condition->flowState() ? condition->flowState() : new FlowState();
    const FlowSet leaves = flow->leafSet();
    attachAtLeaves(leaves, then);
    attachAtLeaves(leaves, otherwise);
}

void UpitnikOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (then) out.push_back(then);
    if (otherwise) out.push_back(otherwise);
}

}  // namespace php
