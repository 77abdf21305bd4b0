#include "nodes/ListaImplementacija.h"

namespace php {

ListaImplementacija::ListaImplementacija(const char* text, const Location& loc, ParserBase* listaKlasa)
    : ParserBase(loc), classes(adopt(listaKlasa)) {}

ListaImplementacija::~ListaImplementacija() { delete classes; }

void ListaImplementacija::link() { linkChild(classes); }
void ListaImplementacija::check() { checkAndAbsorb(classes); }
Value ListaImplementacija::evaluate() { return Value(); }

// Kept only when the clause names something; otherwise it leaves no node.
ParserBase* ListaImplementacija::unwrap() {
    if (classes) return this;
    delete this;
    return nullptr;
}

void ListaImplementacija::computeFlow() { adoptFlow(classes); }

void ListaImplementacija::collectChildren(std::vector<ParserBase*>& out) {
    if (classes) out.push_back(classes);
}

}  // namespace php
