#include "nodes/LinkAtributa.h"

namespace php {

LinkAtributa::LinkAtributa(const char* text, const Location& loc)
    : ParserBase(loc), word(text ? text : "") {}

// A modifier leaf: nothing to link or check; the declaration reads the word.
void LinkAtributa::link() {}
void LinkAtributa::check() {}
Value LinkAtributa::evaluate() { return Value(); }
void LinkAtributa::computeFlow() { seedFlow(); }
void LinkAtributa::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
