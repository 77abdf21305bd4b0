#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Funkcija;
class Type;

// A function or method header: "function [&] name ( parameters )".
class GlavaFunkcije : public ParserBase {
public:
    ParserBase* byReference = nullptr;  // OpcReferenca: returns by reference
    std::string name;                   // as written; empty when the name was rejected
    ParserBase* parameters = nullptr;   // ListaDeklaracijaParametara; null: none
    Funkcija* function = nullptr;       // not owned; set when the header is registered

    GlavaFunkcije(const char* text, const Location& loc, ParserBase* opcReferenca, ParserBase* identifikator,
                  const char* lparenText, const Location& lparenLoc, ParserBase* deklaracijaParametara,
                  const char* rparenText, const Location& rparenLoc);
    ~GlavaFunkcije() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 67;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void registerFunction();
    void buildSignature();
    Type* hintFor(const std::string& hint);
};

}  // namespace php
