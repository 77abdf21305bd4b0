#include "nodes/Promenljiva.h"

#include "diagnostics/InternaGreska.h"
#include "diagnostics/NedostupanMetod.h"
#include "diagnostics/NepostojeciAtribut.h"
#include "diagnostics/NepostojeciMetod.h"
#include "diagnostics/NijeObjekat.h"
#include "model/CheckedCall.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/ArgumentiFunkcije.h"
#include "nodes/AtributObjekta.h"
#include "nodes/AtributVarijable.h"
#include "nodes/AtributiVarijable.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/PozivKlasicneFunkcije.h"
#include "nodes/PozivPointera.h"
#include "nodes/PozivStatickogMetoda.h"
#include "tree/NodeCast.h"

namespace php {

static bool isCallNode(ParserBase* node) {
    // By kind (none of the three has a subclass): one test per variable.
    if (!node) return false;
    const int k = node->kind();
    return k == 151 || k == 152 || k == 153;
}

Promenljiva::Promenljiva(ParserBase* base, ParserBase* steps) {
    base = adopt(base);
    if (isCallNode(base))
        callBase = base;
    else
        variableBase = base;
    chain = adopt(steps);
    if (base)
        location = base->location;
    else if (chain)
        location = chain->location;
}

Promenljiva::~Promenljiva() {
    delete chain;
    delete callBase;
    delete variableBase;
}

ParserBase* Promenljiva::unwrap() {
    if (chain || (!callBase && !variableBase)) return this;
    ParserBase* base = callBase ? callBase : variableBase;
    callBase = variableBase = nullptr;
    delete this;
    return base->unwrap();
}

void Promenljiva::link() {
    linkChild(callBase);
    linkChild(variableBase);
    linkChild(chain);
}

void Promenljiva::check() {
    checkAndAbsorb(callBase);
    // The object variable's read, taken before the fold takes the sets over.
    NameRecord objectRead;
    bool haveRead = false;
    if (variableBase) {
        variableBase->check();
        // Only a plain `$o` is the object: with an index (`$a[$k]->m()`) the
        // object is an element, with more dollars (`$$v->m()`) another variable.
        auto* plain = nodeAs<NeobjektnaPromenljiva>(variableBase);
        if (variableBase->pendingUses() && variableBase->pendingUses()->size() == 1 &&
            (!plain || plain->dollarCount == 1)) {
            objectRead = *variableBase->pendingUses()->begin();
            haveRead = objectRead.indexDepth == 0;
        }
        if (chain)
            absorbChild(variableBase, true, true, true);
        else
            propagateChild(variableBase, true, true, true);
    }
    checkAndAbsorb(chain);
    checkFirstMember(haveRead ? &objectRead : nullptr);
}

// The name of a plain member step ("->name", "->name[...]").
static std::string memberNameOf(ParserBase* plainName) {
    if (auto* indexed = nodeAs<IndeksniPristup>(plainName)) plainName = indexed->variable;
    auto* name = nodeAs<ImePromenljive>(plainName);
    return name ? name->name.str() : std::string();
}


// Only the first step is checked, against the class of the value last
// assigned to the object variable on every path that reaches here.
void Promenljiva::checkFirstMember(const NameRecord* objectRead) {
    if (!variableBase || !chain) return;
    auto* steps = nodeAs<AtributiVarijable>(chain);
    auto* first = steps && !steps->items.empty() ? nodeAs<AtributVarijable>(steps->items.front()) : nullptr;
    if (!first || !first->attribute) {
        semanticList().push_back(new greske::InternaGreska("Promenljiva", 44, fileName, location.firstLine));
        return;
    }
    if (!objectRead) return;
    NameRecord* definition = lookupDefinition(*objectRead);
    if (!definition || !definition->type) return;
    auto* attribute = nodeAs<AtributObjekta>(first->attribute);
    if (!attribute || attribute->dynamicName) return;
    const std::string name = memberNameOf(attribute->plainName);
    Type* type = definition->type;
    if (!type->isObject()) {
        if (!name.empty()) semanticList().push_back(new greske::NijeObjekat(name, fileName, location.firstLine));
        return;
    }
    auto* klasa = static_cast<Klasa*>(type);
    if (!klasa->defined || name.empty()) return;
    if (!first->arguments) {
        if (!klasa->admitsUndeclaredProperty() && !klasa->members->findVariable(name))
            semanticList().push_back(
                new greske::NepostojeciAtribut(klasa->typeName, name, fileName, location.firstLine));
        return;
    }
    Funkcija* method = klasa->members->findFunction(name);
    if (!method) {
        if (!klasa->admitsUndeclaredMethod())
            semanticList().push_back(new greske::NepostojeciMetod(klasa->typeName, name, fileName, location.firstLine));
        return;
    }
    if (method->access != 0) {
        ParserBase* around = enclosingTypeDeclaration();
        Klasa* caller = around ? around->declaredClass() : nullptr;
        bool accessible = caller && (caller == klasa || (caller->derivesFrom(klasa) && method->access != 1));
        if (!accessible) {
            semanticList().push_back(new greske::NedostupanMetod(klasa->typeName, name, fileName, location.firstLine));
            return;
        }
    }
    auto* arguments = nodeAs<ArgumentiFunkcije>(first->arguments);
    std::vector<Value> values = arguments ? arguments->argumentValues() : std::vector<Value>();
    checkedCall(method, values, fileName, location.firstLine);
}

Value Promenljiva::evaluate() { return Value(); }

void Promenljiva::computeFlow() { combineFlow(callBase ? callBase : variableBase, chain); }

void Promenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (callBase) out.push_back(callBase);
    if (variableBase) out.push_back(variableBase);
    if (chain) out.push_back(chain);
}

}  // namespace php
