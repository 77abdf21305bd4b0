#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/UtilFunkcija.h"
#include "tree/ParserBase.h"

namespace php {

class Klasa;
class SymbolTable;

// A method definition inside a class: modifiers, header (`header`, a
// GlavaFunkcije) and body (`body`; null for an abstract method or "{}").
// The modifier nodes are read into fields and dropped.
class DefinicijaMetoda : public ParserBase, public UtilFunkcija {
public:
    int32_t access = 0;          // 0 public, 1 private, 2 protected
    bool isStatic = false;
    int32_t implementation = 0;  // 0 ordinary, 1 final, 2 abstract

    DefinicijaMetoda(ParserBase* pristupAtributu, ParserBase* linkAtributa, ParserBase* implMetoda,
                     ParserBase* glavaFunkcije, ParserBase* teloMetoda);
    ~DefinicijaMetoda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 32;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void findFunction();
    static void addAlias(SymbolTable* scope, const std::string& alias, Klasa* k);
};

}  // namespace php
