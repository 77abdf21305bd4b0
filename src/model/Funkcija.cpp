#include "model/Funkcija.h"

#include <set>

#include "diagnostics/Greska.h"
#include "diagnostics/NedefinisanaFunkcija.h"
#include "diagnostics/PogresanTipArgumenta.h"
#include "diagnostics/PogresnaArnostFunkcije.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "tree/ParserBase.h"

namespace php {

const void* Funkcija::currentCallSite = nullptr;

Funkcija::Funkcija(const std::string& name, const std::string& file, int32_t line)
    : scope(new SymbolTable()), fileName(file), line(line), name(name) {}

Funkcija::~Funkcija() {
    delete signature;
    delete scope;
}

namespace {

// A class no declaration took over: the code that declares it is not seen.
bool isPlaceholder(const Type* t) {
    auto* k = dynamic_cast<const Klasa*>(t);
    return k && !k->defined;
}

bool chainHasPlaceholder(const Type* t) {
    std::set<const Klasa*> seen;
    for (auto* k = dynamic_cast<const Klasa*>(t); k && seen.insert(k).second; k = k->parent)
        if (!k->defined) return true;
    return false;
}

bool argumentFits(const ParameterInfo& p, const Value& argument) {
    Type* t = argument.type;
    if (p.nullDefault && t->isNull()) return true;
    if (toLower(p.hint->typeName) == "object") return t->isObject();
    if (t->conformsTo(p.hint)) return true;
    // Related through classes the checker does not see.
    if (t->isObject() && p.hint->isObject() && (isPlaceholder(p.hint) || chainHasPlaceholder(t))) return true;
    return false;
}

// A default not known at declaration may be known once every declaration of
// the file is registered.
bool hasDefaultNow(ParameterInfo& p) {
    if (p.hasDefault()) return true;
    if (!p.defaultSource) return false;
    Value v = p.defaultSource->staticValue();
    if (!v.type) return false;
    p.defaultValue = v;
    p.defaultSource = nullptr;
    return true;
}

}  // namespace

Value Funkcija::checkCall(std::vector<Value> arguments, const std::string& file, int32_t callLine) {
    if (!signature) {
        semanticList().push_back(new greske::NedefinisanaFunkcija(name, file, callLine));
        return Value();
    }
    FunctionSignature& s = *signature;
    auto evaluate = [&]() {
        if (!s.evaluator) return Value();
        return s.evaluator(name, file, callLine, arguments, s.evaluatorData);
    };
    if (!s.checkArguments) return evaluate();
    const size_t n = s.parameters.size();
    const size_t a = arguments.size();
    if (a < n) {
        for (size_t i = a; i < n; ++i) {
            if (!hasDefaultNow(s.parameters[i])) {
                semanticList().push_back(new greske::PogresnaArnostFunkcije(
                    name, static_cast<int32_t>(n), static_cast<int32_t>(a), fileName, line, file, callLine));
                return Value();
            }
        }
    } else if (a > n) {
        semanticList().push_back(new greske::PogresnaArnostFunkcije(name, static_cast<int32_t>(n),
                                                                    static_cast<int32_t>(a), fileName, line, file,
                                                                    callLine));
    }
    bool failed = false;
    for (size_t i = 0; i < a && i < n; ++i) {
        const ParameterInfo& p = s.parameters[i];
        if (!p.hint || !arguments[i].type) continue;
        if (argumentFits(p, arguments[i])) continue;
        semanticList().push_back(new greske::PogresanTipArgumenta(p.hint->typeName, static_cast<int32_t>(i + 1), name,
                                                                  fileName, line, file, callLine));
        failed = true;
    }
    if (failed) return Value();
    for (size_t i = a; i < n; ++i) arguments.push_back(s.parameters[i].defaultValue);
    return evaluate();
}

}  // namespace php
