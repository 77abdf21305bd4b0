#include "nodes/ImeKlase.h"

#include "nodes/Identifikator.h"

namespace php {

ImeKlase::ImeKlase(ParserBase* child) : ParserBase(child) {
    child = adopt(child);
    if (dynamic_cast<Identifikator*>(child))
        name = Identifikator::consume(child);
    else
        dynamicName = child;
}

ImeKlase::~ImeKlase() { delete dynamicName; }

// The placeholder class for a plain name comes with the class checks.
void ImeKlase::link() { linkChild(dynamicName); }

// The class lookup and its report come with the class checks.
void ImeKlase::check() { checkAndAbsorb(dynamicName); }

Value ImeKlase::evaluate() { return Value(); }

void ImeKlase::computeFlow() { adoptFlow(dynamicName); }

void ImeKlase::collectChildren(std::vector<ParserBase*>& out) {
    if (dynamicName) out.push_back(dynamicName);
}

}  // namespace php
