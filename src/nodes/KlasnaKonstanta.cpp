#include "nodes/KlasnaKonstanta.h"

#include "diagnostics/NepoznataKlasa.h"
#include "diagnostics/NepostojecaKlasnaKonstanta.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/FqImeKlase.h"
#include "nodes/Konstanta.h"
#include "tree/NodeCast.h"

namespace php {

KlasnaKonstanta::KlasnaKonstanta(ParserBase* c, const char*, const Location& loc, ParserBase* k)
    : ParserBase(loc), classRef(adopt(c)), constant(adopt(k)) {}

KlasnaKonstanta::~KlasnaKonstanta() {
    delete classRef;
    delete constant;
}

void KlasnaKonstanta::link() {
    linkChild(classRef);
    linkChild(constant);
}

static std::string classNameOf(const ParserBase* node) {
    auto* named = nodeAs<FqImeKlase>(node);
    return named ? named->name : std::string();
}

// The class is looked up from the built-ins, so "self" and "parent" are not
// resolved here; evaluating does that. Constants are found up the class's
// parents and through its interfaces. A class no declaration took over is
// reported by its name node; its constants are unknown, not missing.
void KlasnaKonstanta::check() {
    checkAndAbsorb(classRef);
    checkAndAbsorb(constant);
    const std::string className = classNameOf(classRef);
    const std::string name = Konstanta::nameOf(constant);
    if (className.empty() || name.empty()) return;
    Klasa* klasa = globalBuiltinScope()->findClass(className);
    if (!klasa) {
        SymbolTable* root = rootScope();
        klasa = root ? root->findClass(className) : nullptr;
    }
    if (klasa && klasa->defined && !klasa->findClassConstant(name))
        semanticList().push_back(
            new greske::NepostojecaKlasnaKonstanta(className + "::" + name, fileName, location.firstLine));
}

Value KlasnaKonstanta::evaluate() {
    if (!classRef) return Value();
    const std::string className = classNameOf(classRef);
    Klasa* klasa = FqImeKlase::findFromScope(this, className);
    if (!klasa) {
        semanticList().push_back(new greske::NepoznataKlasa(className, fileName, location.firstLine));
        return Value();
    }
    const std::string name = Konstanta::nameOf(constant);
    if (name.empty() || !klasa->defined) return Value();
    if (Value* found = klasa->findClassConstant(name)) return *found;
    semanticList().push_back(
        new greske::NepostojecaKlasnaKonstanta(className + "::" + name, fileName, location.firstLine));
    return Value();
}

void KlasnaKonstanta::computeFlow() { combineFlow(classRef, constant); }

void KlasnaKonstanta::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (constant) out.push_back(constant);
}

}  // namespace php
