#include "nodes/Prosirivanje.h"

namespace php {

Prosirivanje::Prosirivanje(const char* text, const Location& loc, ParserBase* listaKlasa)
    : ParserBase(loc), classes(adopt(listaKlasa)) {}

Prosirivanje::~Prosirivanje() { delete classes; }

void Prosirivanje::link() { linkChild(classes); }
void Prosirivanje::check() { checkAndAbsorb(classes); }
Value Prosirivanje::evaluate() { return Value(); }

void Prosirivanje::computeFlow() { adoptFlow(classes); }

void Prosirivanje::collectChildren(std::vector<ParserBase*>& out) {
    if (classes) out.push_back(classes);
}

}  // namespace php
