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
};

}  // namespace php
