#pragma once
#include <set>

#include "tree/NameRecord.h"

namespace php {

class ParserBase;
class Funkcija;

// Mix-in of function declarations and method definitions: the parts of a
// function body that the checks at the end of the body need.
class UtilFunkcija {
public:
    ParserBase* header = nullptr;
    ParserBase* body = nullptr;
    Funkcija* function = nullptr;
    NameSet variableNames;           // used by the variable analysis
    bool variadic = false;
    std::set<ParserBase*> returns;   // return statements of this body

    virtual ~UtilFunkcija() = default;

    // At the end of the body's check: reports every variable of the
    // function's own scope that is defined (a parameter included) and never
    // used, except "this" in a method. Nothing in definitions mode.
    void reportUnusedVariables(bool isMethod);
};

}  // namespace php
