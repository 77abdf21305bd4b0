#include "nodes/ArgumentiFunkcije.h"

#include "nodes/ListaParametaraPoziva.h"

namespace php {

ArgumentiFunkcije::ArgumentiFunkcije(const char*, const Location& loc, ParserBase* l, const char*, const Location&)
    : ParserBase(loc) {
    l = adopt(l);
    if (dynamic_cast<ListaParametaraPoziva*>(l))
        list = l;
    else
        delete l;
}

ArgumentiFunkcije::~ArgumentiFunkcije() { delete list; }

std::vector<Value> ArgumentiFunkcije::argumentValues() {
    auto* l = dynamic_cast<ListaParametaraPoziva*>(list);
    return l ? l->argumentValues() : std::vector<Value>();
}

void ArgumentiFunkcije::link() { linkChild(list); }

void ArgumentiFunkcije::check() { checkAndAbsorb(list); }

Value ArgumentiFunkcije::evaluate() { return Value(); }

void ArgumentiFunkcije::computeFlow() { adoptFlow(list); }

void ArgumentiFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (list) out.push_back(list);
}

}  // namespace php
