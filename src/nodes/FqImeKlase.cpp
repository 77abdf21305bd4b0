#include "nodes/FqImeKlase.h"

namespace php {

FqImeKlase::FqImeKlase(const char* n, const Location& loc) : ParserBase(loc), name(n ? n : "") {}

// The placeholder class and the class lookup are added with the class checks.
void FqImeKlase::link() {}

void FqImeKlase::check() {}

Value FqImeKlase::evaluate() { return Value(); }

void FqImeKlase::computeFlow() { seedFlow(); }

void FqImeKlase::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
