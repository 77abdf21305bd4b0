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

// A name to be looked up as toLower would make it, without the copy.
struct FoldedName {
    const std::string& text;
};

// The order of the name maps: std::string's (bytes unsigned, then length),
// written out, since names are short and differ early and the call to
// memcmp cost more than the comparison; and transparent, so that a folded
// name compares as its lower-cased copy would.
struct NameOrder {
    using is_transparent = void;
    static unsigned char fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }
    template <bool FoldA, bool FoldB>
    static bool less(const std::string& a, const std::string& b) {
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t i = 0; i < n; ++i) {
            auto x = static_cast<unsigned char>(a[i]);
            auto y = static_cast<unsigned char>(b[i]);
            if (FoldA) x = fold(x);
            if (FoldB) y = fold(y);
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
    bool operator()(const std::string& a, const std::string& b) const { return less<false, false>(a, b); }
    bool operator()(const std::string& a, const FoldedName& b) const { return less<false, true>(a, b.text); }
    bool operator()(const FoldedName& a, const std::string& b) const { return less<true, false>(a.text, b); }
};

// Stores and finds names; never consults another table. Duplicate insertions
// throw the existing entry (a Value* for constants) and leave the table as is.
class SymbolTable {
public:
    std::map<std::string, AccessInfo<Value>, NameOrder> variables;  // exact names
    std::map<std::string, AccessInfo<Funkcija>, NameOrder> functions;  // lower-cased
    std::map<ConstantKey, Value*> constants;
    std::map<std::string, AccessInfo<Klasa>, NameOrder> classes;  // lower-cased

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
