#include "nodes/PozivStatickogMetoda.h"

#include "nodes/Identifikator.h"

namespace php {

PozivStatickogMetoda::PozivStatickogMetoda(ParserBase* c, const char*, const Location& loc, ParserBase* method,
                                           ParserBase* args)
    : ParserBase(loc), classRef(adopt(c)), methodName(Identifikator::consume(method)), arguments(adopt(args)) {}

PozivStatickogMetoda::~PozivStatickogMetoda() {
    delete classRef;
    delete arguments;
}

void PozivStatickogMetoda::link() {
    linkChild(classRef);
    linkChild(arguments);
}

// The method lookup, its visibility and the call check come with the call
// checks.
void PozivStatickogMetoda::check() {
    checkAndAbsorb(classRef);
    checkAndAbsorb(arguments);
}

Value PozivStatickogMetoda::evaluate() { return Value(); }

void PozivStatickogMetoda::computeFlow() { combineFlow(classRef, arguments); }

void PozivStatickogMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (arguments) out.push_back(arguments);
}

}  // namespace php
