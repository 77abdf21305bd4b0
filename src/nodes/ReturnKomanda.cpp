#include "nodes/ReturnKomanda.h"

#include "model/UtilFunkcija.h"
#include "tree/FlowState.h"

namespace php {

ReturnKomanda::ReturnKomanda(const char*, const Location& returnLoc, ParserBase* end)
    : ParserBase(returnLoc) {
    delete adopt(end);  // the statement terminator carries no node
}

ReturnKomanda::ReturnKomanda(const char*, const Location& returnLoc, ParserBase* value,
                             ParserBase* end)
    : ParserBase(returnLoc) {
    operand = adopt(value);
    delete adopt(end);
}

ReturnKomanda::~ReturnKomanda() { delete operand; }

// The enclosing function body keeps its returns for the consistency check at
// its end.
void ReturnKomanda::link() {
    linkChild(operand);
    if (operand) staticType = operand->staticType;
    if (UtilFunkcija* body = enclosingFunctionBody()) body->returns.insert(this);
}

void ReturnKomanda::check() { checkAndAbsorb(operand); }

Value ReturnKomanda::evaluate() { return Value(); }

Value ReturnKomanda::staticValue() { return operand ? operand->staticValue() : Value(); }

// A single closed state: nothing can follow a return. The operand's graph is
// not connected to it.
void ReturnKomanda::computeFlow() {
    flow = new FlowState(this);
    flow->closed = true;
}

void ReturnKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
