#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

class SymbolTable;

// A call of a named function, "name(args)".
class PozivKlasicneFunkcije : public ParserBase {
public:
    std::string name;                 // as written
    ParserBase* arguments = nullptr;  // an ArgumentiFunkcije
    SymbolTable* rootTable = nullptr;  // the file root's table, found once in link

    PozivKlasicneFunkcije(const char* name, const Location& loc, ParserBase* arguments);
    ~PozivKlasicneFunkcije() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 151; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
