#include "nodes/SwitchKomanda.h"

#include "nodes/Caseovi.h"
#include "nodes/FlowRules.h"
#include "tree/NodeCast.h"

namespace php {

SwitchKomanda::SwitchKomanda(const char*, const Location& switchLoc, ParserBase* cond,
                             ParserBase* body)
    : ParserBase(switchLoc) {
    subject = adopt(cond);
    cases = adopt(body);
}

SwitchKomanda::~SwitchKomanda() {
    delete subject;
    delete cases;
}

void SwitchKomanda::link() {
    linkChild(subject);
    linkChild(cases);
}

// The cases' pending uses are not taken over.
void SwitchKomanda::check() {
    checkAndAbsorb(subject);
    if (!cases) return;
    cases->check();
    absorbDefinitionsOnly(cases, true, true);
}

Value SwitchKomanda::evaluate() { return Value(); }

// Every label is entered from the subject's leaves; without a default label
// an empty state stands for the path on which no label matches.
void SwitchKomanda::computeFlow() {
    if (!subject) {
        flow = new FlowState();
        return;
    }
    flow = flowrules::flowOrEmpty(subject);
    if (!cases) return;
    const FlowSet leaves = flow->leafSet();
    std::vector<ParserBase*> items;
    cases->collectChildren(items);
    for (ParserBase* item : items) flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(item));
    auto* list = nodeAs<Caseovi>(cases);
    if (list && list->defaultCount == 0) flowrules::attachOrDiscard(flow, new FlowState());
}

void SwitchKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (subject) out.push_back(subject);
    if (cases) out.push_back(cases);
}

}  // namespace php
