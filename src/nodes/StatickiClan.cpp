#include "nodes/StatickiClan.h"

#include "diagnostics/FaliGlobal.h"
#include "diagnostics/NedeklarisanaPromenljiva.h"
#include "diagnostics/NedostupanAtribut.h"
#include "diagnostics/NepostojeciAtribut.h"
#include "diagnostics/NepoznataKlasa.h"
#include "diagnostics/NestatickiAtribut.h"
#include "diagnostics/StatickiClanBrojDolara.h"
#include "model/AccessInfo.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/FqImeKlase.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "tree/NodeCast.h"

namespace php {

StatickiClan::StatickiClan(ParserBase* c, const char*, const Location& loc, ParserBase* m)
    : ParserBase(loc), classRef(adopt(c)), member(adopt(m)) {}

StatickiClan::~StatickiClan() {
    delete classRef;
    delete member;
}

void StatickiClan::link() {
    linkChild(classRef);
    linkChild(member);
}

static std::string classNameOf(const ParserBase* node) {
    auto* named = nodeAs<FqImeKlase>(node);
    return named ? named->name : std::string();
}

// The inner index access of a "$name" or "$$name" member, and its name node.
static IndeksniPristup* innerAccess(ParserBase* member) {
    auto* variable = nodeAs<NeobjektnaPromenljiva>(member);
    return variable ? nodeAs<IndeksniPristup>(variable->inner) : nullptr;
}

static std::string nameOf(IndeksniPristup* access) {
    auto* name = access ? nodeAs<ImePromenljive>(access->variable) : nullptr;
    return name ? name->name.str() : std::string();
}

// A static member contributes no names to the variable analysis, so neither
// child is folded.
void StatickiClan::check() {
    if (classRef) classRef->check();
    if (member) member->check();
    if (!classRef || !member) return;
    const std::string className = classNameOf(classRef);
    // The members of a class no declaration took over are unknown.
    Klasa* klasa = FqImeKlase::findFromBuiltins(this, className);
    if (!klasa || !klasa->defined) return;
    auto* variable = nodeAs<NeobjektnaPromenljiva>(member);
    const std::string name = nameOf(innerAccess(member));
    if (!variable || variable->dollarCount != 1 || name.empty()) return;
    const int32_t line = location.firstLine;
    AccessInfo<Value>* entry = klasa->members->variableEntry(name);
    if (!entry) {
        if (klasa->membersKnown())
            semanticList().push_back(new greske::NepostojeciAtribut(className, name, fileName, line));
        return;
    }
    const bool isPrivate = (entry->accessFlags & AccessInfo<Value>::Private) != 0;
    const bool nonPublic = !entry->isPublic();
    const bool isStatic = entry->isStatic();
    if (className == "self") return;
    // Interfaces count as no class around the node.
    ParserBase* around = enclosingTypeDeclaration();
    Klasa* caller = around && around->kind() == 41 ? around->declaredClass() : nullptr;
    if (caller == klasa) return;
    bool inaccessible = false;
    bool notStatic = false;
    if (caller && caller->conformsTo(klasa)) {
        // From a subclass only private static members are out of reach.
        inaccessible = isStatic && isPrivate;
        notStatic = !isStatic;
    } else if (caller) {
        inaccessible = nonPublic;
        notStatic = !nonPublic && !isStatic;
    } else {
        inaccessible = isStatic && nonPublic;
        notStatic = !isStatic;
    }
    if (inaccessible) semanticList().push_back(new greske::NedostupanAtribut(className, name, fileName, line));
    if (notStatic) semanticList().push_back(new greske::NestatickiAtribut(className, name, fileName, line));
}

Value StatickiClan::evaluate() {
    if (!classRef) return Value();
    const std::string className = classNameOf(classRef);
    const int32_t line = location.firstLine;
    Klasa* klasa = FqImeKlase::findFromScope(this, className);
    if (!klasa) {
        semanticList().push_back(new greske::NepoznataKlasa(className, fileName, line));
        return Value();
    }
    auto* variable = nodeAs<NeobjektnaPromenljiva>(member);
    IndeksniPristup* access = innerAccess(member);
    if (!variable || !access || !access->variable || !klasa->defined) return Value();
    if (variable->dollarCount == 1) {
        const std::string name = nameOf(access);
        Value* stored = klasa->members->findVariable(name);
        if (!stored) {
            if (klasa->membersKnown())
                semanticList().push_back(new greske::NepostojeciAtribut(klasa->typeName, name, fileName, line));
            return Value();
        }
        Value result = *stored;
        for (ParserBase* index : access->items) {
            if (!index) return Value();
            Value* element = result.element(index->evaluate(), false);
            if (!element) return Value();
            Value next = *element;
            result = next;
        }
        return result;
    }
    SymbolTable* scope = enclosingScope();
    Value current = access->evaluate();
    for (int32_t lookups = 0; lookups < variable->dollarCount - 1; ++lookups) {
        const std::string name = current.asString();
        Value* found = scope ? scope->findVariable(name) : nullptr;
        if (!found) {
            SymbolTable* root = rootScope();
            if (root && root->findVariable(name))
                semanticList().push_back(new greske::FaliGlobal(name, fileName, line));
            else
                semanticList().push_back(new greske::NedeklarisanaPromenljiva(fileName, line));
            return Value();
        }
        current = *found;
    }
    semanticList().push_back(new greske::StatickiClanBrojDolara(fileName, line));
    const std::string name = current.asString();
    if (Value* stored = klasa->members->findVariable(name)) return *stored;
    if (klasa->membersKnown())
        semanticList().push_back(new greske::NepostojeciAtribut(klasa->typeName, name, fileName, line));
    return Value();
}

void StatickiClan::computeFlow() { combineFlow(classRef, member); }

void StatickiClan::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (member) out.push_back(member);
}

}  // namespace php
