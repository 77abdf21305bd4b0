#include "nodes/Konstanta.h"

#include "diagnostics/NedefinisanaKonstanta.h"
#include "driver/RunState.h"
#include "model/SymbolTable.h"
#include "nodes/DeklaracijaParametra.h"
#include "nodes/Deklarator.h"
#include "nodes/DqIzraz.h"
#include "nodes/Identifikator.h"
#include "nodes/KlasnaKonstanta.h"
#include "nodes/StatickiSkalar.h"
#include "tree/NodeCast.h"

namespace php {

Konstanta::Konstanta(const char* n, const Location& loc) : ParserBase(loc), name(n ? n : "") {}

void Konstanta::link() {}

// Whether the name is part of another construct: a class constant, a
// declarator, or a parameter's default value (signs included), which is
// not looked up.
static bool partOfAnotherConstruct(const ParserBase* node) {
    const ParserBase* up = node->parent;
    if (nodeAs<KlasnaKonstanta>(up) || nodeAs<Deklarator>(up)) return true;
    // "${name}" in a string names the variable $name.
    if (nodeAs<DqIzraz>(up)) return true;
    while (nodeAs<StatickiSkalar>(up)) up = up->parent;
    return nodeAs<DeklaracijaParametra>(up) != nullptr;
}

// An undefined name is reported once per file: a placeholder (its line
// negated) is entered where later uses and a later define find it. The
// definition files are not checked: they declare the constants. Nothing is
// folded here (a constant carries no variable names).
void Konstanta::check() {
    if (runState()->definitionsMode || name.empty() || partOfAnotherConstruct(this)) return;
    // The three literals exist whatever the definition files hold.
    const std::string lower = toLower(name);
    if (lower == "true" || lower == "false" || lower == "null") return;
    if (globalBuiltinScope()->findConstant(name)) return;
    SymbolTable* root = rootScope();
    if (!root || root->findConstant(name)) return;
    semanticList().push_back(new greske::NedefinisanaKonstanta(name, fileName, location.firstLine));
    root->addConstant(ConstantKey(name, true), new Value(fileName, -location.firstLine));
}

std::string Konstanta::nameOf(const ParserBase* node) {
    if (auto* k = nodeAs<Konstanta>(node)) return k->name;
    if (auto* i = nodeAs<Identifikator>(node)) return i->text;
    return std::string();
}

Value Konstanta::evaluate() { return Value(); }

// A copy, so that folding never changes the stored constant.
Value Konstanta::staticValue() {
    Value* found = globalBuiltinScope()->findConstant(name);
    if (!found) {
        SymbolTable* root = rootScope();
        if (root) found = root->findConstant(name);
    }
    return found ? *found : Value();
}

void Konstanta::computeFlow() { seedFlow(); }

void Konstanta::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
