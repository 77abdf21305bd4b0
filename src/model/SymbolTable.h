#pragma once
#include <map>
#include <string>

#include "model/AccessInfo.h"

namespace php {

class Value;
class Funkcija;
class Klasa;

// Key of the constant map: case-insensitive constants are stored lower-cased.
struct ConstantKey {
    std::string name;
    bool exactCase = true;

    ConstantKey() = default;
    ConstantKey(const std::string& n, bool exact);
    bool operator<(const ConstantKey& other) const { return name < other.name; }
};

// Lower-cases ASCII letters, as all case-insensitive names are compared.
std::string toLower(const std::string& s);

// Stores and finds names; never consults another table. Duplicate insertions
// throw the existing entry (a Value* for constants) and leave the table as is.
class SymbolTable {
public:
    std::map<std::string, AccessInfo<Value>> variables;  // exact names
    std::map<std::string, AccessInfo<Funkcija>> functions;  // lower-cased
    std::map<ConstantKey, Value*> constants;
    std::map<std::string, AccessInfo<Klasa>> classes;  // lower-cased

    Value* findVariable(const std::string& name);
    AccessInfo<Value>* variableEntry(const std::string& name);
    void addVariable(const std::string& name, Value* value);

    Funkcija* findFunction(const std::string& name);
    AccessInfo<Funkcija>* functionEntry(const std::string& name);
    void addFunction(const std::string& name, Funkcija* function);

    Klasa* findClass(const std::string& name);
    AccessInfo<Klasa>* classEntry(const std::string& name);
    void addClass(const std::string& name, Klasa* klasa);

    // Exact name first, then the lower-cased name among case-insensitive ones.
    Value* findConstant(const std::string& name);
    void addConstant(const ConstantKey& key, Value* value);
};

// The table that receives everything the built-in definitions declare.
SymbolTable* globalBuiltinScope();

}  // namespace php
