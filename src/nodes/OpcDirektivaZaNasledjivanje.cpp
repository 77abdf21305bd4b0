#include "nodes/OpcDirektivaZaNasledjivanje.h"

#include "model/SymbolTable.h"

namespace php {

OpcDirektivaZaNasledjivanje::OpcDirektivaZaNasledjivanje(const char* text, const Location& loc)
    : ParserBase(loc), word(text ? text : "") {}

// A modifier leaf: nothing to link or check; the declaration reads the word.
void OpcDirektivaZaNasledjivanje::link() {}
void OpcDirektivaZaNasledjivanje::check() {}
Value OpcDirektivaZaNasledjivanje::evaluate() { return Value(); }
void OpcDirektivaZaNasledjivanje::computeFlow() { seedFlow(); }
void OpcDirektivaZaNasledjivanje::collectChildren(std::vector<ParserBase*>&) {}

bool OpcDirektivaZaNasledjivanje::isAbstract() const { return toLower(word) == "abstract"; }

}  // namespace php
