#include "nodes/KrajKomande.h"

namespace php {

void KrajKomande::link() {}

void KrajKomande::check() {}

Value KrajKomande::evaluate() { return Value(); }

void KrajKomande::computeFlow() { seedFlow(); }

void KrajKomande::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
