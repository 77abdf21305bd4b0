#include "nodes/DeklaracijaKlase.h"

#include "diagnostics/DvostrukaDefinicija.h"
#include "diagnostics/NijeInterfejs.h"
#include "driver/RunState.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/DefinicijaKonstantiUKlasi.h"
#include "nodes/DefinicijaUKlasi.h"
#include "nodes/DefinicijeUKlasi.h"
#include "nodes/FqImeKlase.h"
#include "nodes/Identifikator.h"
#include "nodes/ListaKlasa.h"
#include "nodes/ListaImplementacija.h"
#include "nodes/Nasledjivanje.h"
#include "nodes/OpcDirektivaZaNasledjivanje.h"
#include "tree/NodeCast.h"

namespace php {

DeklaracijaKlase::DeklaracijaKlase(ParserBase* opcDirektivaZaNasledjivanje, const char* text, const Location& loc,
                                   ParserBase* identifikator, ParserBase* nasledjivanje,
                                   ParserBase* listaImplementacija, const char* lbraceText,
                                   const Location& lbraceLoc, ParserBase* definicijeUKlasi,
                                   const char* rbraceText, const Location& rbraceLoc)
    : ParserBase(loc) {
    modifier = adopt(opcDirektivaZaNasledjivanje);
    name = Identifikator::consume(identifikator);
    extends = adopt(nasledjivanje);
    implements = adopt(listaImplementacija);
    body = adopt(definicijeUKlasi);
}

DeklaracijaKlase::~DeklaracijaKlase() {
    delete modifier;
    delete extends;
    delete implements;
    delete body;
}

// The table declarations go to: the built-ins in definitions mode.
static SymbolTable* declarationTable(ParserBase* at) {
    return runState()->definitionsMode ? globalBuiltinScope() : at->rootScope();
}

Klasa* DeklaracijaKlase::declare(ParserBase* declaration, const std::string& name) {
    const std::string& file = declaration->fileName;
    const int32_t line = declaration->location.firstLine;
    SymbolTable* table = declarationTable(declaration);
    if (name.empty() || !table) return new Klasa(file, line, name);
    // A placeholder among the built-ins (a definition file naming a class
    // it declares further down) is no redefinition.
    Klasa* builtin = globalBuiltinScope()->findClass(name);
    if (builtin && builtin->defined) {
        semanticList().push_back(new greske::DvostrukaDefinicija(-1, "", name, file, line));
        return new Klasa(file, line, name);
    }
    Klasa* earlier = table->findClass(name);
    if (earlier && earlier->defined) {
        semanticList().push_back(new greske::DvostrukaDefinicija(earlier->line, earlier->fileName, name, file, line));
        return new Klasa(file, line, name);
    }
    if (!earlier) {
        auto* klasa = new Klasa(file, line, name);
        table->addClass(name, klasa);
        return klasa;
    }
    earlier->fileName = file;
    earlier->line = line;
    earlier->defined = true;
    earlier->isInterface = false;
    return earlier;
}

void DeklaracijaKlase::attachInterfaces(Klasa* klasa, ParserBase* list, ParserBase* names) {
    auto* classes = nodeAs<ListaKlasa>(names);
    if (!klasa || !classes) return;
    SymbolTable* root = list->rootScope();
    for (ParserBase* item : classes->items) {
        auto* named = nodeAs<FqImeKlase>(item);
        if (!named) continue;
        Klasa* found = globalBuiltinScope()->findClass(named->name);
        if (!found && root) found = root->findClass(named->name);
        if (!found) {
            // Not entered in any table: it stays undefined.
            found = new Klasa(list->fileName, list->location.firstLine, named->name);
            found->defined = false;
            found->isInterface = true;
        } else if (found->defined && !found->isInterface) {
            semanticList().push_back(
                new greske::NijeInterfejs(found->typeName, list->fileName, list->location.firstLine));
        }
        klasa->interfaces.push_back(found);
    }
}

void DeklaracijaKlase::declareConstants(Klasa* klasa, const std::vector<ParserBase*>& items) {
    for (ParserBase* item : items) {
        if (auto* wrapper = nodeAs<DefinicijaUKlasi>(item)) item = wrapper->inner;
        if (auto* constants = nodeAs<DefinicijaKonstantiUKlasi>(item)) constants->declareInto(klasa);
    }
}

void DeklaracijaKlase::noteHandlers(Klasa* klasa) {
    SymbolTable* own = klasa->members;
    if (own->findFunction("__get") || own->findFunction("__set")) klasa->hasPropertyHandlers = true;
    if (own->findFunction("__call")) klasa->hasCallHandler = true;
}

// The unregistered class a redefinition gets is filled in like a registered
// one (modifiers, parent, interfaces, constants, "self" and "parent"), so
// that its body is analysed against its own declaration.
void DeklaracijaKlase::link() {
    linkChild(modifier);
    linkChild(implements);
    linkChild(extends);
    klasa = declare(this, name);
    if (auto* m = nodeAs<OpcDirektivaZaNasledjivanje>(modifier)) {
        klasa->isAbstract = m->isAbstract();
        klasa->isFinal = m->isFinal();
    }
    Klasa* base = nullptr;
    auto* clause = nodeAs<Nasledjivanje>(extends);
    auto* parentName = clause ? nodeAs<FqImeKlase>(clause->parentClass) : nullptr;
    SymbolTable* table = declarationTable(this);
    if (parentName && !parentName->name.empty() && table) {
        base = globalBuiltinScope()->findClass(parentName->name);
        if (!base) base = table->findClass(parentName->name);
        if (!base) {
            base = new Klasa(fileName, location.firstLine, parentName->name);
            base->defined = false;
            table->addClass(parentName->name, base);
        }
    }
    if (auto* list = nodeAs<ListaImplementacija>(implements)) attachInterfaces(klasa, list, list->classes);
    if (auto* items = nodeAs<DefinicijeUKlasi>(body)) declareConstants(klasa, items->items);
    klasa->parent = base;
    if (base) klasa->members->addClass("parent", base);
    klasa->members->addClass("self", klasa);
    linkChild(body);
    noteHandlers(klasa);
}

void DeklaracijaKlase::check() {
    if (klasa) klasa->resolve();
    checkAndAbsorb(modifier);
    checkAndAbsorb(implements);
    checkAndAbsorb(extends);
    checkAndAbsorb(body);
}

Value DeklaracijaKlase::evaluate() { return Value(); }

void DeklaracijaKlase::computeFlow() { sequenceFlow({modifier, implements, extends, body}); }

void DeklaracijaKlase::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* child : {modifier, implements, extends, body})
        if (child) out.push_back(child);
}

void DeklaracijaKlase::addPredecessor(ParserBase*) {}
void DeklaracijaKlase::addPredecessors(const NodeSet*) {}

SymbolTable* DeklaracijaKlase::enclosingScope() {
    return klasa ? klasa->members : ParserBase::enclosingScope();
}

Klasa* DeklaracijaKlase::declaredClass() { return klasa; }

}  // namespace php
