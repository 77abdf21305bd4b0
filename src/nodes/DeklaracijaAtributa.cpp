#include "nodes/DeklaracijaAtributa.h"

#include "diagnostics/DvostrukaDefinicija.h"
#include "model/AccessInfo.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/DeklaracijaAtributaKlase.h"
#include "nodes/ListaDeklaracijaAtributaKlase.h"
#include "nodes/PristupAtributu.h"
#include "nodes/Varijabla.h"
#include "tree/NodeCast.h"

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
    registerProperties();
}

// Each property is entered in the class's table with its visibility and,
// when declared static, the static bit. Interfaces hold no properties.
void DeklaracijaAtributa::registerProperties() {
    ParserBase* declaration = enclosingTypeDeclaration();
    if (!declaration || declaration->kind() != 41) return;
    Klasa* klasa = declaration->declaredClass();
    auto* list = nodeAs<ListaDeklaracijaAtributaKlase>(declarations);
    if (!klasa || !list) return;
    uint8_t flags = 0;
    if (auto* a = nodeAs<PristupAtributu>(access)) {
        if (a->isPrivate)
            flags = AccessInfo<Value>::Private;
        else if (a->isProtected)
            flags = AccessInfo<Value>::Protected;
    }
    if (staticMarker) flags |= AccessInfo<Value>::Static;
    for (ParserBase* item : list->items) {
        auto* property = nodeAs<DeklaracijaAtributaKlase>(item);
        auto* variable = property ? nodeAs<Varijabla>(property->variable) : nullptr;
        if (!variable) continue;
        if (Value* earlier = klasa->members->findVariable(variable->name)) {
            semanticList().push_back(new greske::DvostrukaDefinicija(earlier->line, earlier->fileName, variable->name,
                                                                     variable->fileName, variable->location.firstLine));
            continue;
        }
        klasa->members->addVariable(variable->name, new Value(variable->fileName, variable->location.firstLine));
        klasa->members->variableEntry(variable->name)->accessFlags = flags;
    }
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
