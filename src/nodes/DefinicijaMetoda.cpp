#include "nodes/DefinicijaMetoda.h"

#include "diagnostics/Greska.h"
#include "diagnostics/InternaGreska.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/GlavaFunkcije.h"
#include "nodes/ImplMetoda.h"
#include "nodes/PristupAtributu.h"
#include "tree/FlowWanted.h"

namespace php {

DefinicijaMetoda::DefinicijaMetoda(ParserBase* pristupAtributu, ParserBase* linkAtributa, ParserBase* implMetoda,
                                   ParserBase* glavaFunkcije, ParserBase* teloMetoda) {
    ParserBase* accessNode = adopt(pristupAtributu);
    ParserBase* staticNode = adopt(linkAtributa);
    ParserBase* implNode = adopt(implMetoda);
    header = adopt(glavaFunkcije);
    body = adopt(teloMetoda);
    for (ParserBase* child : {accessNode, staticNode, implNode, header, body}) {
        if (child) {
            location = child->location;
            break;
        }
    }
    if (auto* a = dynamic_cast<PristupAtributu*>(accessNode)) access = a->isPrivate ? 1 : a->isProtected ? 2 : 0;
    isStatic = staticNode != nullptr;
    if (auto* i = dynamic_cast<ImplMetoda*>(implNode)) implementation = i->isAbstract() ? 2 : 1;
    delete accessNode;
    delete staticNode;
    delete implNode;
}

DefinicijaMetoda::~DefinicijaMetoda() {
    delete header;
    delete body;
}

// The body sees the parameters through the header.
void DefinicijaMetoda::link() {
    linkChild(header);
    if (body) body->addPredecessor(header);
    findFunction();
    FlowWanted inBody(true);  // settleReturns reads the body's graph
    linkChild(body);
    settleReturns();
}

// The method's model is the one its header entered in the class's table (the
// first of two methods of one name). Inside it $this is set, and the names
// "self" and "parent" stand for the class and its parent.
void DefinicijaMetoda::findFunction() {
    auto* h = dynamic_cast<GlavaFunkcije*>(header);
    if (!h) {
        function = new Funkcija(std::string(), fileName, location.firstLine);
        return;
    }
    ParserBase* typeDeclaration = enclosingTypeDeclaration();
    Klasa* k = typeDeclaration ? typeDeclaration->declaredClass() : nullptr;
    if (!k) {
        // No class model to look in: the header's own model stands in.
        function = h->function;
        return;
    }
    function = k->members->findFunction(h->name);
    if (!function) {
        semanticList().push_back(new greske::InternaGreska("DefinicijaMetoda", 19, fileName, location.firstLine));
        return;
    }
    if (!isStatic)
        header->addDefinition(
            NameRecord(function->scope, "this", header->fileName, header->location.firstLine, 0, 1, k));
    addAlias(function->scope, "self", k);
    if (k->parent) addAlias(function->scope, "parent", k->parent);
}

void DefinicijaMetoda::addAlias(SymbolTable* scope, const std::string& alias, Klasa* k) {
    try {
        scope->addClass(alias, k);
    } catch (const AccessInfo<Klasa>&) {
        // A second method of the same name shares the first one's scope.
    }
}

void DefinicijaMetoda::check() {
    checkAndAbsorb(header);
    checkAndAbsorb(body);
    reportUnusedVariables(true);
    checkReturns();
}

Value DefinicijaMetoda::evaluate() { return Value(); }

// As for a function declaration: the body's graph is kept apart from the
// graph of the class body around it.
void DefinicijaMetoda::computeFlow() { seedFlow(); }

void DefinicijaMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
    if (body) out.push_back(body);
}

}  // namespace php
