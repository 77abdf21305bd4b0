#include "nodes/DeklaracijaAtributa.h"

namespace php {

// krajNaredbe is always null; it only holds its argument position.
DeklaracijaAtributa::DeklaracijaAtributa(ParserBase* pristupAtributu, ParserBase* linkAtributa,
                                         ParserBase* listaDeklaracijaAtributaKlase, ParserBase* krajNaredbe) {
    access = adopt(pristupAtributu);
    staticMarker = adopt(linkAtributa);
    declarations = adopt(listaDeklaracijaAtributaKlase);
    delete adopt(krajNaredbe);
    for (ParserBase* child : {access, staticMarker, declarations}) {
        if (child) {
            location = child->location;
            break;
        }
    }
}

DeklaracijaAtributa::DeklaracijaAtributa(const char* text, const Location& loc, ParserBase* linkAtributa,
                                         ParserBase* listaDeklaracijaAtributaKlase, ParserBase* krajNaredbe)
    : ParserBase(loc) {
    staticMarker = adopt(linkAtributa);
    declarations = adopt(listaDeklaracijaAtributaKlase);
    delete adopt(krajNaredbe);
}

DeklaracijaAtributa::~DeklaracijaAtributa() {
    delete access;
    delete staticMarker;
    delete declarations;
}

void DeklaracijaAtributa::link() {
    linkChild(access);
    linkChild(staticMarker);
    linkChild(declarations);
}

void DeklaracijaAtributa::check() {
    checkAndAbsorb(access);
    checkAndAbsorb(staticMarker);
    checkAndAbsorb(declarations);
}

Value DeklaracijaAtributa::evaluate() { return Value(); }

void DeklaracijaAtributa::computeFlow() { sequenceFlow({access, staticMarker, declarations}); }

void DeklaracijaAtributa::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* child : {access, staticMarker, declarations})
        if (child) out.push_back(child);
}

}  // namespace php
