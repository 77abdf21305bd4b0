#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Klasa;

// An interface declaration: "interface Name [extends I, J] { methods }".
class DeklaracijaInterfejsa : public ParserBase {
public:
    ParserBase* extends = nullptr;  // Prosirivanje
    ParserBase* body = nullptr;     // ListaDeklaracijaMetoda, empty for "{}"
    std::string name;               // as written
    Klasa* klasa = nullptr;         // not owned; set when the interface is registered

    DeklaracijaInterfejsa(const char* text, const Location& loc, ParserBase* identifikator,
                          ParserBase* prosirivanje, const char* lbraceText, const Location& lbraceLoc,
                          ParserBase* listaDeklaracijaMetoda, const char* rbraceText, const Location& rbraceLoc);
    ~DeklaracijaInterfejsa() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 40;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    SymbolTable* enclosingScope() override;
    Klasa* declaredClass() override;
};

}  // namespace php
