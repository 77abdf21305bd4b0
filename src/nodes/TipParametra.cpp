#include "nodes/TipParametra.h"

#include "nodes/Identifikator.h"

namespace php {

// Only the name is kept; the identifier node is dropped.
TipParametra::TipParametra(ParserBase* identifikator) : ParserBase(identifikator) {
    name = Identifikator::consume(identifikator);
}

void TipParametra::link() {}
void TipParametra::check() {}
Value TipParametra::evaluate() { return Value(); }
void TipParametra::computeFlow() { seedFlow(); }
void TipParametra::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
