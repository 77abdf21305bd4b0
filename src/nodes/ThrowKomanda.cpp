#include "nodes/ThrowKomanda.h"

#include "model/UtilFunkcija.h"
#include "nodes/FlowRules.h"
#include "nodes/TryKomanda.h"
#include "tree/NodeCast.h"

namespace php {

ThrowKomanda::ThrowKomanda(const char*, const Location& throwLoc, ParserBase* value,
                           ParserBase* end)
    : ParserBase(throwLoc) {
    operand = adopt(value);
    delete adopt(end);  // the statement terminator carries no node
}

ThrowKomanda::~ThrowKomanda() { delete operand; }

void ThrowKomanda::link() { linkChild(operand); }

void ThrowKomanda::check() { checkAndAbsorb(operand); }

Value ThrowKomanda::evaluate() { return Value(); }

// As adoptFlow, keeping the own state: a throw that no try block of its
// function surrounds ends every path through it, like a return.
void ThrowKomanda::computeFlow() {
    FlowState* own = new FlowState(this);
    if (operand && operand->flowState()) {
        flow = operand->flowState();
        if (!flow->absorb(own)) {
            flowrules::discardGraph(own);
            own = nullptr;
        }
    } else {
        flow = own;
    }
    for (ParserBase* n = parent; n; n = n->parent) {
        if (nodeAs<TryKomanda>(n)) return;
        if (dynamic_cast<UtilFunkcija*>(n)) break;  // a function or method body
    }
    if (own) own->closed = true;
}

void ThrowKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
