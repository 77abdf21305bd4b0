#include "nodes/PozivStatickogMetoda.h"

#include "diagnostics/Greska.h"
#include "diagnostics/NedostupanMetod.h"
#include "diagnostics/NepostojeciMetod.h"
#include "diagnostics/NestatickiMetod.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/ArgumentiFunkcije.h"
#include "nodes/FqImeKlase.h"
#include "nodes/ImeKlase.h"

#include "nodes/Identifikator.h"
#include "tree/NodeCast.h"

namespace php {

PozivStatickogMetoda::PozivStatickogMetoda(ParserBase* c, const char*, const Location& loc, ParserBase* method,
                                           ParserBase* args)
    : ParserBase(loc), classRef(adopt(c)), methodName(Identifikator::consume(method)), arguments(adopt(args)) {}

PozivStatickogMetoda::~PozivStatickogMetoda() {
    delete classRef;
    delete arguments;
}

void PozivStatickogMetoda::link() {
    linkChild(classRef);
    linkChild(arguments);
}

namespace {

std::string classNameOf(ParserBase* classRef) {
    if (auto* q = nodeAs<FqImeKlase>(classRef)) return q->name;
    if (auto* q = nodeAs<ImeKlase>(classRef)) return q->name;
    return std::string();
}

// The class declared by T derives from K: K is a proper ancestor.
bool derivesFrom(Klasa* declared, Klasa* k) {
    return declared && declared != k && declared->conformsTo(k);
}

void report(Greska* g) { semanticList().push_back(g); }

}  // namespace

// The class and method are looked up before the arguments are folded, so
// that the method's by-reference parameters decide how they are folded.
void PozivStatickogMetoda::check() {
    checkAndAbsorb(classRef);
    Klasa* k = nullptr;
    Funkcija* m = nullptr;
    const std::string className = classNameOf(classRef);
    if (classRef && !className.empty()) {
        k = globalBuiltinScope()->findClass(className);
        if (!k)
            if (SymbolTable* root = rootScope()) k = root->findClass(className);
        if (!k)
            if (SymbolTable* scope = enclosingScope()) k = scope->findClass(className);
        if (k && !k->defined) k = nullptr;
        if (k) m = k->members->findFunction(methodName);
    }
    auto* args = nodeAs<ArgumentiFunkcije>(arguments);
    if (m && args) args->passTo(m);
    checkAndAbsorb(arguments);
    if (!k) return;

    const int32_t line = location.firstLine;
    if (!m) {
        if (!k->admitsUndeclaredMethod()) report(new greske::NepostojeciMetod(k->name(), methodName, fileName, line));
        return;
    }
    ParserBase* typeDeclaration = enclosingTypeDeclaration();
    Klasa* declared = typeDeclaration ? typeDeclaration->declaredClass() : nullptr;
    auto runCallCheck = [&]() { ArgumentiFunkcije::call(arguments, m, this); };
    if (!m->isStatic) {
        if (!typeDeclaration)
            report(new greske::NestatickiMetod(k->name(), methodName, fileName, line));
        else if (className == "self")
            runCallCheck();
        else if (derivesFrom(declared, k)) {
            if (m->access == 1) report(new greske::NedostupanMetod(k->name(), methodName, fileName, line));
        } else
            report(new greske::NestatickiMetod(k->name(), methodName, fileName, line));
        return;
    }
    if (m->access == 0) {
        runCallCheck();
        return;
    }
    if (!typeDeclaration)
        report(new greske::NedostupanMetod(k->name(), methodName, fileName, line));
    else if (toLower(className) == "self" || k == declared)
        runCallCheck();
    else if (!derivesFrom(declared, k) || m->access == 1)
        report(new greske::NedostupanMetod(k->name(), methodName, fileName, line));
    else
        runCallCheck();
}

Value PozivStatickogMetoda::evaluate() { return Value(); }

void PozivStatickogMetoda::computeFlow() { combineFlow(classRef, arguments); }

void PozivStatickogMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (arguments) out.push_back(arguments);
}

}  // namespace php
