#include "nodes/ForDefinitor.h"

#include "diagnostics/FunkcijskiPozivUUslovuPetlje.h"
#include "diagnostics/Greska.h"
#include "diagnostics/PotencijalnoBeskonacnaPetlja.h"

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

namespace {

bool callLike(ParserBase* node, void*) { return node->isCallLike(); }

bool holdsAny(const NameSet* names, const NameSet* in) {
    if (!names || !in) return false;
    for (const NameRecord& r : *names)
        if (in->count(r)) return true;
    return false;
}

}  // namespace

// The step's definitions are not kept. The loop is suspicious when nothing
// ties the condition to the step: no condition, a condition that reads no
// name, no step or a step that uses no name, or no name in common. The
// condition's and step's names are taken before they are folded away.
void ForDefinitor::check() {
    checkAndAbsorb(init);
    bool suspicious = !condition;
    NameSet* conditionNames = nullptr;
    if (condition) {
        condition->check();
        uniteInto(conditionNames, condition->usedNames());
        uniteInto(conditionNames, condition->pendingUses());
        if (!conditionNames || conditionNames->empty()) suspicious = true;
        absorbChild(condition, true, true, true);
    }
    if (step) {
        step->check();
        if (!step->usedNames() || !holdsAny(step->usedNames(), conditionNames)) suspicious = true;
        foldUses(step);
    } else {
        suspicious = true;
    }
    delete conditionNames;
    const int32_t line = location.firstLine;
    if (suspicious)
        semanticList().push_back(new greske::PotencijalnoBeskonacnaPetlja(fileName, line));
    if (condition && condition->anyInSubtree(callLike, nullptr))
        semanticList().push_back(new greske::FunkcijskiPozivUUslovuPetlje(fileName, line));
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
