#include "nodes/Instanca.h"

namespace php {

Instanca::Instanca(ParserBase* s, const char*, const Location& opLocation, ParserBase* c)
    : ParserBase(opLocation) {
    subject = adopt(s);
    classRef = adopt(c);
}

Instanca::~Instanca() {
    delete subject;
    delete classRef;
}

void Instanca::link() {
    linkChild(subject);
    linkChild(classRef);
    staticType = booleanType();
}

void Instanca::check() {
    checkAndAbsorb(subject);
    checkAndAbsorb(classRef);
}

// Undecided until the class named by classRef is looked up.
Value Instanca::evaluate() { return Value(); }

void Instanca::computeFlow() { combineFlow(subject, classRef); }

void Instanca::collectChildren(std::vector<ParserBase*>& out) {
    if (subject) out.push_back(subject);
    if (classRef) out.push_back(classRef);
}

}  // namespace php
