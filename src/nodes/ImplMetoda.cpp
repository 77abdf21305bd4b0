#include "nodes/ImplMetoda.h"

#include "model/SymbolTable.h"

namespace php {

ImplMetoda::ImplMetoda(const char* text, const Location& loc)
    : ParserBase(loc), word(text ? text : "") {}

// A modifier leaf: nothing to link or check; the declaration reads the word.
void ImplMetoda::link() {}
void ImplMetoda::check() {}
Value ImplMetoda::evaluate() { return Value(); }
void ImplMetoda::computeFlow() { seedFlow(); }
void ImplMetoda::collectChildren(std::vector<ParserBase*>&) {}

bool ImplMetoda::isAbstract() const { return toLower(word) == "abstract"; }

}  // namespace php
