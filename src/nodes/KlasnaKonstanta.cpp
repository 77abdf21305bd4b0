#include "nodes/KlasnaKonstanta.h"

namespace php {

KlasnaKonstanta::KlasnaKonstanta(ParserBase* c, const char*, const Location& loc, ParserBase* k)
    : ParserBase(loc), classRef(adopt(c)), constant(adopt(k)) {}

KlasnaKonstanta::~KlasnaKonstanta() {
    delete classRef;
    delete constant;
}

void KlasnaKonstanta::link() {
    linkChild(classRef);
    linkChild(constant);
}

// The class and constant lookups come with the constant checks.
void KlasnaKonstanta::check() {
    checkAndAbsorb(classRef);
    checkAndAbsorb(constant);
}

Value KlasnaKonstanta::evaluate() { return Value(); }

void KlasnaKonstanta::computeFlow() { combineFlow(classRef, constant); }

void KlasnaKonstanta::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (constant) out.push_back(constant);
}

}  // namespace php
