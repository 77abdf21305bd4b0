#include "nodes/DefinicijaKonstantiUKlasi.h"

#include "diagnostics/DvostrukaDefinicija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/DefKonstante.h"
#include "nodes/Deklarator.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDefKonstanti.h"
#include "tree/NodeCast.h"

namespace php {

// krajNaredbe is always null; it only holds its argument position.
DefinicijaKonstantiUKlasi::DefinicijaKonstantiUKlasi(const char* text, const Location& loc,
                                                     ParserBase* listaDefKonstanti, ParserBase* krajNaredbe)
    : ParserBase(loc), constants(adopt(listaDefKonstanti)) {
    delete adopt(krajNaredbe);
}

DefinicijaKonstantiUKlasi::~DefinicijaKonstantiUKlasi() { delete constants; }

void DefinicijaKonstantiUKlasi::link() { linkChild(constants); }
void DefinicijaKonstantiUKlasi::check() { checkAndAbsorb(constants); }
Value DefinicijaKonstantiUKlasi::evaluate() { return Value(); }

void DefinicijaKonstantiUKlasi::declareInto(Klasa* klasa) {
    auto* list = nodeAs<ListaDefKonstanti>(constants);
    if (!klasa || !list) return;
    for (ParserBase* item : list->items) {
        auto* definition = nodeAs<DefKonstante>(item);
        auto* declarator = definition ? nodeAs<Deklarator>(definition->declarator) : nullptr;
        if (!declarator || !declarator->name || !declarator->value) continue;
        const std::string name = Konstanta::nameOf(declarator->name);
        if (name.empty()) continue;
        const int32_t line = definition->location.firstLine;
        if (Value* earlier = klasa->members->findConstant(name)) {
            semanticList().push_back(
                new greske::DvostrukaDefinicija(earlier->line, earlier->fileName, name, klasa->fileName, line));
            continue;
        }
        klasa->members->addConstant(ConstantKey(name, true), new Value(klasa->fileName, line));
    }
}

void DefinicijaKonstantiUKlasi::computeFlow() { adoptFlow(constants); }

void DefinicijaKonstantiUKlasi::collectChildren(std::vector<ParserBase*>& out) {
    if (constants) out.push_back(constants);
}

}  // namespace php
