#include "model/SymbolTable.h"

#include <cctype>

#include "model/Value.h"

namespace php {

std::string toLower(const std::string& s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

ConstantKey::ConstantKey(const std::string& n, bool exact)
    : name(exact ? n : toLower(n)), exactCase(exact) {}

template <typename T, typename Key>
static AccessInfo<T>* entryIn(std::map<std::string, AccessInfo<T>, NameOrder>& map, const Key& key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

Value* SymbolTable::findVariable(const std::string& name) {
    auto* e = variableEntry(name);
    return e ? e->item : nullptr;
}

AccessInfo<Value>* SymbolTable::variableEntry(const std::string& name) {
    return entryIn(variables, name);
}

void SymbolTable::addVariable(const std::string& name, Value* value) {
    if (auto* e = variableEntry(name)) throw AccessInfo<Value>(*e);
    variables.emplace(name, AccessInfo<Value>(value));
    if (value) value->bindSymbol(this, name);
}

Funkcija* SymbolTable::findFunction(const std::string& name) {
    auto* e = functionEntry(name);
    return e ? e->item : nullptr;
}

AccessInfo<Funkcija>* SymbolTable::functionEntry(const std::string& name) {
    return entryIn(functions, FoldedName{name});
}

void SymbolTable::addFunction(const std::string& name, Funkcija* function) {
    if (auto* e = functionEntry(name)) throw AccessInfo<Funkcija>(*e);
    functions.emplace(toLower(name), AccessInfo<Funkcija>(function));
}

Klasa* SymbolTable::findClass(const std::string& name) {
    auto* e = classEntry(name);
    return e ? e->item : nullptr;
}

AccessInfo<Klasa>* SymbolTable::classEntry(const std::string& name) {
    return entryIn(classes, FoldedName{name});
}

void SymbolTable::addClass(const std::string& name, Klasa* klasa) {
    if (auto* e = classEntry(name)) throw AccessInfo<Klasa>(*e);
    classes.emplace(toLower(name), AccessInfo<Klasa>(klasa));
}

Value* SymbolTable::findConstant(const std::string& name) {
    auto it = constants.find(ConstantKey(name, true));
    if (it != constants.end()) return it->second;
    it = constants.find(ConstantKey(name, false));
    return it == constants.end() ? nullptr : it->second;
}

void SymbolTable::addConstant(const ConstantKey& key, Value* value) {
    auto it = constants.find(key);
    if (it != constants.end()) throw it->second;
    constants.emplace(key, value);
}

SymbolTable* globalBuiltinScope() {
    static SymbolTable* scope = new SymbolTable();
    return scope;
}

}  // namespace php
