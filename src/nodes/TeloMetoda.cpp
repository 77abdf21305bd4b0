#include "nodes/TeloMetoda.h"

namespace php {

TeloMetoda::TeloMetoda(ParserBase* node) : ParserBase(), inner(adopt(node)) {
    if (inner) location = inner->location;
}

TeloMetoda::~TeloMetoda() { delete inner; }

void TeloMetoda::link() { linkChild(inner); }
void TeloMetoda::check() { checkAndAbsorb(inner); }
Value TeloMetoda::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* TeloMetoda::unwrap() {
    ParserBase* content = inner;
    inner = nullptr;
    delete this;
    return content ? content->unwrap() : nullptr;
}

void TeloMetoda::computeFlow() { adoptFlow(inner); }

void TeloMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
