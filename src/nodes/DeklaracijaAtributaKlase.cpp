#include "nodes/DeklaracijaAtributaKlase.h"

namespace php {

DeklaracijaAtributaKlase::DeklaracijaAtributaKlase(ParserBase* varijabla, ParserBase* opcDefaultVrednost)
    : variable(adopt(varijabla)), defaultValue(adopt(opcDefaultVrednost)) {
    if (ParserBase* first = variable ? variable : defaultValue) location = first->location;
}

DeklaracijaAtributaKlase::~DeklaracijaAtributaKlase() {
    delete variable;
    delete defaultValue;
}

void DeklaracijaAtributaKlase::link() {
    linkChild(variable);
    linkChild(defaultValue);
}

// The property's name is declared here, not read (see DeklaracijaParametra).
void DeklaracijaAtributaKlase::check() {
    if (variable) {
        variable->check();
        absorbDeclaration(variable, true, true, true);
    }
    checkAndAbsorb(defaultValue);
}

Value DeklaracijaAtributaKlase::evaluate() { return Value(); }

void DeklaracijaAtributaKlase::computeFlow() { combineFlow(variable, defaultValue); }

void DeklaracijaAtributaKlase::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
    if (defaultValue) out.push_back(defaultValue);
}

}  // namespace php
