#include "nodes/DeklaracijaParametra.h"

namespace php {

DeklaracijaParametra::DeklaracijaParametra(ParserBase* opcTipParametra, ParserBase* opcReferenca,
                                           ParserBase* varijabla, ParserBase* opcDefaultVrednost) {
    typeHint = adopt(opcTipParametra);
    ParserBase* reference = adopt(opcReferenca);
    variable = adopt(varijabla);
    defaultValue = adopt(opcDefaultVrednost);
    for (ParserBase* child : {typeHint, reference, variable, defaultValue}) {
        if (child) {
            location = child->location;
            break;
        }
    }
    // Only the presence of "&" matters.
    byReference = reference != nullptr;
    delete reference;
}

DeklaracijaParametra::~DeklaracijaParametra() {
    delete variable;
    delete typeHint;
    delete defaultValue;
}

void DeklaracijaParametra::link() {
    linkChild(variable);
    linkChild(typeHint);
    linkChild(defaultValue);
}

// The parameter's name is declared here, not read: folding it as a read
// would report every parameter as used before being set.
void DeklaracijaParametra::check() {
    if (variable) {
        variable->check();
        absorbDeclaration(variable, true, true, true);
    }
    checkAndAbsorb(typeHint);
    checkAndAbsorb(defaultValue);
}

Value DeklaracijaParametra::evaluate() { return Value(); }

void DeklaracijaParametra::computeFlow() { sequenceFlow({variable, typeHint, defaultValue}); }

void DeklaracijaParametra::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* child : {variable, typeHint, defaultValue})
        if (child) out.push_back(child);
}

}  // namespace php
