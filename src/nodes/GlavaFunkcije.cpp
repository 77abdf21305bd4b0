#include "nodes/GlavaFunkcije.h"

#include "diagnostics/DvostrukaDefinicija.h"
#include "diagnostics/Greska.h"
#include "diagnostics/NedozvoljenTipUDeklaracijiParametra.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/DefinicijaMetoda.h"
#include "nodes/DeklaracijaMetoda.h"
#include "nodes/DeklaracijaParametra.h"
#include "nodes/Identifikator.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDeklaracijaParametara.h"
#include "nodes/TipParametra.h"
#include "nodes/Varijabla.h"
#include "tree/NodeCast.h"

namespace php {

GlavaFunkcije::GlavaFunkcije(const char* text, const Location& loc, ParserBase* opcReferenca,
                             ParserBase* identifikator, const char* lparenText, const Location& lparenLoc,
                             ParserBase* deklaracijaParametara, const char* rparenText, const Location& rparenLoc)
    : ParserBase(loc) {
    byReference = adopt(opcReferenca);
    name = Identifikator::consume(identifikator);
    parameters = adopt(deklaracijaParametara);
}

GlavaFunkcije::~GlavaFunkcije() {
    delete byReference;
    delete parameters;
}

void GlavaFunkcije::link() {
    linkChild(byReference);
    linkChild(parameters);
    registerFunction();
    buildSignature();
}

namespace {

void report(Greska* g) { semanticList().push_back(g); }

// Access bits of a table entry: bit 0 private, bit 1 protected.
void setAccess(Funkcija* f, AccessInfo<Funkcija>* entry, int32_t access) {
    f->access = access;
    if (!entry) return;
    entry->accessFlags &= static_cast<uint8_t>(~(AccessInfo<Funkcija>::Private | AccessInfo<Funkcija>::Protected));
    if (access == 1) entry->accessFlags |= AccessInfo<Funkcija>::Private;
    if (access == 2) entry->accessFlags |= AccessInfo<Funkcija>::Protected;
}

}  // namespace

// Methods go to their class's table, plain functions to the file's (the
// built-in scope while the definitions are read).
void GlavaFunkcije::registerFunction() {
    const bool definitions = runState()->definitionsMode;
    ParserBase* typeDeclaration = enclosingTypeDeclaration();
    SymbolTable* table = nullptr;
    if (typeDeclaration) {
        Klasa* k = typeDeclaration->declaredClass();
        table = k ? k->members : nullptr;
    } else {
        table = definitions ? globalBuiltinScope() : rootScope();
    }
    function = new Funkcija(name, fileName, definitions ? 0 : location.firstLine);
    if (!table || name.empty()) return;

    Funkcija* earlier = table->findFunction(name);
    if (!typeDeclaration && !definitions && globalBuiltinScope()->findFunction(name)) {
        report(new greske::DvostrukaDefinicija(0, std::string(), name, fileName, location.firstLine));
    } else if (earlier) {
        report(new greske::DvostrukaDefinicija(earlier->line, earlier->fileName, name, fileName, location.firstLine));
    }
    if (earlier) return;  // calls find the first declaration
    table->addFunction(name, function);
    if (!typeDeclaration) return;
    AccessInfo<Funkcija>* entry = table->functionEntry(name);
    if (auto* m = nodeAs<DefinicijaMetoda>(parent)) {
        setAccess(function, entry, m->access);
        function->isStatic = m->isStatic;
        function->implementation = m->implementation;
    } else if (auto* d = nodeAs<DeklaracijaMetoda>(parent)) {
        setAccess(function, entry, d->access);
        function->isStatic = d->isStatic;
    }
}

// The type a hint names: the array type, a declared class, or a placeholder
// class for a name not (yet) declared; null for no usable hint.
Type* GlavaFunkcije::hintFor(const std::string& hint) {
    const std::string lower = toLower(hint);
    if (lower == "array") return arrayType();
    if (lower == "self" || lower == "parent") {
        ParserBase* typeDeclaration = enclosingTypeDeclaration();
        Klasa* k = typeDeclaration ? typeDeclaration->declaredClass() : nullptr;
        return lower == "self" ? k : k ? k->parent : nullptr;
    }
    if (Klasa* k = globalBuiltinScope()->findClass(hint)) return k;
    SymbolTable* root = rootScope();
    if (root)
        if (Klasa* k = root->findClass(hint)) return k;
    if (lower == "boolean" || lower == "integer" || lower == "float" || lower == "string" ||
        lower == toLower(resourceType()->typeName) || lower == "null") {
        report(new greske::NedozvoljenTipUDeklaracijiParametra(hint, fileName, location.firstLine));
        return nullptr;
    }
    auto* placeholder = new Klasa(fileName, location.firstLine, hint);
    placeholder->defined = false;
    if (root) root->addClass(hint, placeholder);
    return placeholder;
}

void GlavaFunkcije::buildSignature() {
    auto* signature = new FunctionSignature();
    function->signature = signature;
    auto* list = nodeAs<ListaDeklaracijaParametara>(parameters);
    if (!parameters) {
        // Built-ins declared without parameters accept anything.
        signature->checkArguments = !runState()->definitionsMode;
        return;
    }
    std::vector<ParserBase*> items;
    if (list)
        items = list->items;
    else
        items.push_back(parameters);
    for (ParserBase* item : items) {
        ParameterInfo info;
        auto* p = nodeAs<DeklaracijaParametra>(item);
        if (p) {
            if (auto* v = nodeAs<Varijabla>(p->variable)) info.name = v->name;
            if (auto* t = nodeAs<TipParametra>(p->typeHint)) info.hint = hintFor(t->name);
            info.byReference = p->byReference;
            if (auto* c = nodeAs<Konstanta>(p->defaultValue)) {
                // A named constant is not looked up: any value will do.
                info.defaultValue = Value(fileName, location.firstLine);
                info.defaultValue.setInteger(0);
                info.nullDefault = toLower(c->name) == "null";
            } else if (p->defaultValue) {
                info.defaultValue = p->defaultValue->staticValue();
                // Definition trees are released after reading; user trees stay.
                if (!info.hasDefault() && !runState()->definitionsMode) info.defaultSource = p->defaultValue;
            }
        }
        signature->parameters.push_back(std::move(info));
    }
}

void GlavaFunkcije::check() {
    checkAndAbsorb(byReference);
    checkAndAbsorb(parameters);
}

Value GlavaFunkcije::evaluate() { return Value(); }

void GlavaFunkcije::computeFlow() { combineFlow(byReference, parameters); }

void GlavaFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (byReference) out.push_back(byReference);
    if (parameters) out.push_back(parameters);
}

}  // namespace php
