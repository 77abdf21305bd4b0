#include "nodes/PozivPointera.h"

namespace php {

PozivPointera::PozivPointera(ParserBase* c, ParserBase* args) : callee(adopt(c)), arguments(adopt(args)) {
    if (callee)
        location = callee->location;
    else if (arguments)
        location = arguments->location;
}

PozivPointera::~PozivPointera() {
    delete callee;
    delete arguments;
}

void PozivPointera::link() {
    linkChild(callee);
    linkChild(arguments);
}

// No target is looked up: the callee's value is not known statically.
void PozivPointera::check() {
    checkAndAbsorb(callee);
    checkAndAbsorb(arguments);
}

Value PozivPointera::evaluate() { return Value(); }

void PozivPointera::computeFlow() { combineFlow(callee, arguments); }

void PozivPointera::collectChildren(std::vector<ParserBase*>& out) {
    if (callee) out.push_back(callee);
    if (arguments) out.push_back(arguments);
}

}  // namespace php
