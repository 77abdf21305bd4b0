#include "nodes/PraznaKomanda.h"

namespace php {

void PraznaKomanda::link() {}

void PraznaKomanda::check() {}

Value PraznaKomanda::evaluate() { return Value(); }

void PraznaKomanda::computeFlow() { seedFlow(); }

void PraznaKomanda::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
