#include "nodes/Promenljiva.h"

#include "nodes/PozivKlasicneFunkcije.h"
#include "nodes/PozivPointera.h"
#include "nodes/PozivStatickogMetoda.h"

namespace php {

static bool isCallNode(ParserBase* node) {
    return dynamic_cast<PozivKlasicneFunkcije*>(node) || dynamic_cast<PozivPointera*>(node) ||
           dynamic_cast<PozivStatickogMetoda*>(node);
}

Promenljiva::Promenljiva(ParserBase* base, ParserBase* steps) {
    base = adopt(base);
    if (isCallNode(base))
        callBase = base;
    else
        variableBase = base;
    chain = adopt(steps);
    if (base)
        location = base->location;
    else if (chain)
        location = chain->location;
}

Promenljiva::~Promenljiva() {
    delete chain;
    delete callBase;
    delete variableBase;
}

ParserBase* Promenljiva::unwrap() {
    if (chain || (!callBase && !variableBase)) return this;
    ParserBase* base = callBase ? callBase : variableBase;
    callBase = variableBase = nullptr;
    delete this;
    return base->unwrap();
}

void Promenljiva::link() {
    linkChild(callBase);
    linkChild(variableBase);
    linkChild(chain);
}

// The member test of the first chain step comes with the member checks.
void Promenljiva::check() {
    checkAndAbsorb(callBase);
    if (variableBase) {
        variableBase->check();
        if (chain)
            absorbChild(variableBase, true, true, true);
        else
            propagateChild(variableBase, true, true, true);
    }
    checkAndAbsorb(chain);
}

Value Promenljiva::evaluate() { return Value(); }

void Promenljiva::computeFlow() { combineFlow(callBase ? callBase : variableBase, chain); }

void Promenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (callBase) out.push_back(callBase);
    if (variableBase) out.push_back(variableBase);
    if (chain) out.push_back(chain);
}

}  // namespace php
