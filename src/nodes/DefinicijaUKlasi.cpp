#include "nodes/DefinicijaUKlasi.h"

namespace php {

DefinicijaUKlasi::DefinicijaUKlasi(ParserBase* member) : inner(adopt(member)) {
    if (inner) location = inner->location;
}

DefinicijaUKlasi::~DefinicijaUKlasi() { delete inner; }

void DefinicijaUKlasi::link() { linkChild(inner); }
void DefinicijaUKlasi::check() { checkAndAbsorb(inner); }
Value DefinicijaUKlasi::evaluate() { return Value(); }

void DefinicijaUKlasi::computeFlow() { adoptFlow(inner); }

void DefinicijaUKlasi::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
