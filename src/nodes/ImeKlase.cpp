#include "nodes/ImeKlase.h"

#include "nodes/FqImeKlase.h"
#include "nodes/Identifikator.h"
#include "tree/NodeCast.h"

namespace php {

ImeKlase::ImeKlase(ParserBase* child) : ParserBase(child) {
    child = adopt(child);
    if (nodeAs<Identifikator>(child))
        name = Identifikator::consume(child);
    else
        dynamicName = child;
}

ImeKlase::~ImeKlase() { delete dynamicName; }

void ImeKlase::link() {
    linkChild(dynamicName);
    FqImeKlase::enterPlaceholder(this, name);
}

void ImeKlase::check() {
    checkAndAbsorb(dynamicName);
    FqImeKlase::checkClassName(this, name);
}

Value ImeKlase::evaluate() { return Value(); }

void ImeKlase::computeFlow() { adoptFlow(dynamicName); }

void ImeKlase::collectChildren(std::vector<ParserBase*>& out) {
    if (dynamicName) out.push_back(dynamicName);
}

}  // namespace php
