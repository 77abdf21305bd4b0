#include "nodes/Deklarator.h"

namespace php {

Deklarator::Deklarator(ParserBase* constant, const char*, const Location& assignLoc,
                       ParserBase* scalar)
    : ParserBase(assignLoc) {
    name = adopt(constant);
    value = adopt(scalar);
}

Deklarator::~Deklarator() {
    delete name;
    delete value;
}

void Deklarator::link() {
    linkChild(name);
    linkChild(value);
}

void Deklarator::check() {
    checkAndAbsorb(name);
    checkAndAbsorb(value);
}

Value Deklarator::evaluate() { return Value(); }

void Deklarator::computeFlow() { combineFlow(name, value); }

void Deklarator::collectChildren(std::vector<ParserBase*>& out) {
    if (name) out.push_back(name);
    if (value) out.push_back(value);
}

}  // namespace php
