#include "nodes/OpcReferenca.h"

namespace php {

OpcReferenca::OpcReferenca(const char* text, const Location& loc)
    : ParserBase(loc), word(text ? text : "") {}

// A modifier leaf: nothing to link or check; the declaration reads the word.
void OpcReferenca::link() {}
void OpcReferenca::check() {}
Value OpcReferenca::evaluate() { return Value(); }
void OpcReferenca::computeFlow() { seedFlow(); }
void OpcReferenca::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
