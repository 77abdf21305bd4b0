#include "nodes/FqImeKlase.h"

#include "diagnostics/NepoznataKlasa.h"
#include "driver/RunState.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"

namespace php {

FqImeKlase::FqImeKlase(const char* n, const Location& loc) : ParserBase(loc), name(n ? n : "") {}

void FqImeKlase::link() { enterPlaceholder(this, name); }

void FqImeKlase::check() { checkClassName(this, name); }

void FqImeKlase::enterPlaceholder(ParserBase* at, const std::string& className) {
    if (runState()->definitionsMode || className.empty()) return;
    SymbolTable* root = at->rootScope();
    if (!root || root->findClass(className)) return;
    const std::string lower = toLower(className);
    if (lower == "self" || lower == "parent") return;
    if (globalBuiltinScope()->findClass(className)) return;
    auto* placeholder = new Klasa(at->fileName, at->location.firstLine, className);
    placeholder->defined = false;
    root->addClass(className, placeholder);
}

void FqImeKlase::checkClassName(ParserBase* at, const std::string& className) {
    if (className.empty()) return;
    Klasa* found = findFromBuiltins(at, className);
    // "self" and "parent" naming a class no declaration took over: that
    // class is reported where the declaration names it.
    const std::string lower = toLower(className);
    if (found && !found->defined && (lower == "self" || lower == "parent")) return;
    if (!found || !found->defined) found = at->callAutoload(className);
    if (!found || !found->defined) {
        semanticList().push_back(new greske::NepoznataKlasa(className, at->fileName, at->location.firstLine));
        return;
    }
    found->resolve();
}

static Klasa* findIn(SymbolTable* table, const std::string& className) {
    return table ? table->findClass(className) : nullptr;
}

Klasa* FqImeKlase::findFromScope(ParserBase* at, const std::string& className) {
    Klasa* builtin = globalBuiltinScope()->findClass(className);
    for (SymbolTable* table : {at->enclosingScope(), at->rootScope()}) {
        Klasa* k = findIn(table, className);
        if (k && (k->defined || !builtin)) return k;
    }
    return builtin;
}

Klasa* FqImeKlase::findFromBuiltins(ParserBase* at, const std::string& className) {
    if (Klasa* k = globalBuiltinScope()->findClass(className)) return k;
    if (Klasa* k = findIn(at->rootScope(), className)) return k;
    return findIn(at->enclosingScope(), className);
}

Value FqImeKlase::evaluate() { return Value(); }

void FqImeKlase::computeFlow() { seedFlow(); }

void FqImeKlase::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
