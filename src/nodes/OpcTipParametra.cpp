#include "nodes/OpcTipParametra.h"

namespace php {

OpcTipParametra::OpcTipParametra(ParserBase* node) : ParserBase(), inner(adopt(node)) {
    if (inner) location = inner->location;
}

OpcTipParametra::~OpcTipParametra() { delete inner; }

void OpcTipParametra::link() { linkChild(inner); }
void OpcTipParametra::check() { checkAndAbsorb(inner); }
Value OpcTipParametra::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* OpcTipParametra::unwrap() {
    ParserBase* content = inner;
    inner = nullptr;
    delete this;
    return content ? content->unwrap() : nullptr;
}

void OpcTipParametra::computeFlow() { adoptFlow(inner); }

void OpcTipParametra::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
