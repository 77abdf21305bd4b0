#include "nodes/WhileKomanda.h"

#include "nodes/FlowRules.h"

namespace php {

WhileKomanda::WhileKomanda(const char*, const Location& whileLoc, ParserBase* cond,
                           ParserBase* statement)
    : ParserBase(whileLoc) {
    condition = adopt(cond);
    body = adopt(statement);
}

WhileKomanda::WhileKomanda(const char*, const Location& whileLoc, ParserBase* cond,
                           ParserBase* statements, const char*, const Location&, ParserBase* end)
    : ParserBase(whileLoc) {
    condition = adopt(cond);
    body = adopt(statements);
    delete adopt(end);  // the statement terminator carries no node
}

WhileKomanda::~WhileKomanda() {
    delete condition;
    delete body;
}

void WhileKomanda::link() {
    linkChild(condition);
    linkChild(body);
}

// Only what both the condition and the body define survives. The
// condition's set is copied, not taken over: the intersection below drops
// records that exist nowhere else.
void WhileKomanda::check() {
    if (condition) {
        condition->check();
        const KeepChildSets keep(this);
        absorbChild(condition, true, true, true);
    }
    if (!body) return;
    body->check();
    absorbChild(body, false, true, true);
}

Value WhileKomanda::evaluate() { return Value(); }

// The body runs once or not at all: each leaf of the condition gets the body
// and an empty state for leaving at once. No edge leads back, so graphs stay
// acyclic.
void WhileKomanda::computeFlow() {
    flow = flowrules::flowOrEmpty(condition);
    if (!body) return;
    const FlowSet leaves = flow->leafSet();
    FlowState* bodyFlow = flowrules::flowOrEmpty(body);
    FlowState* skip = new FlowState();
    bool bodyTaken = false;
    bool skipTaken = false;
    for (FlowState* leaf : leaves) {
        if (leaf->attach(bodyFlow)) bodyTaken = true;
        if (leaf->attach(skip)) skipTaken = true;
    }
    if (!bodyTaken) flowrules::discardGraph(bodyFlow);
    if (!skipTaken) flowrules::discardGraph(skip);
}

void WhileKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (body) out.push_back(body);
}

}  // namespace php
