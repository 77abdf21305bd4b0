#include "nodes/Case.h"

#include "nodes/FlowRules.h"

namespace php {

Case::Case(const char*, const Location& caseLoc, ParserBase* expression, ParserBase* separator,
           ParserBase* list)
    : ParserBase(caseLoc) {
    label = adopt(expression);
    delete adopt(separator);  // ";" or ":" carries no node
    statements = adopt(list);
}

Case::~Case() {
    delete label;
    delete statements;
}

void Case::link() {
    linkChild(label);
    linkChild(statements);
}

// What the label defines also stays pending for the switch around it. It
// is copied before the label is absorbed, which takes the label's sets over.
void Case::check() {
    if (label) {
        label->check();
        unionPendingUses(label->definitions());
        absorbChild(label, true, true, true);
    }
    checkAndAbsorb(statements);
}

Value Case::evaluate() { return Value(); }

void Case::computeFlow() {
    flow = flowrules::flowOrEmpty(label);
    if (statements && statements->flowState()) flow->absorb(statements->flowState());
}

void Case::collectChildren(std::vector<ParserBase*>& out) {
    if (label) out.push_back(label);
    if (statements) out.push_back(statements);
}

}  // namespace php
