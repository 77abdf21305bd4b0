#include "nodes/UseKomanda.h"

namespace php {

UseKomanda::UseKomanda(const char*, const Location& useLoc) : ParserBase(useLoc) {}

void UseKomanda::link() {}

void UseKomanda::check() {}

Value UseKomanda::evaluate() { return Value(); }

void UseKomanda::computeFlow() { seedFlow(); }

void UseKomanda::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
