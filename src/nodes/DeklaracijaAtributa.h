#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// A property declaration: "[public|private|protected|var] [static] $a, $b = 1;".
class DeklaracijaAtributa : public ParserBase {
public:
    ParserBase* access = nullptr;        // PristupAtributu; null: public
    ParserBase* staticMarker = nullptr;  // LinkAtributa; null: not static
    ParserBase* declarations = nullptr;  // ListaDeklaracijaAtributaKlase

    DeklaracijaAtributa(ParserBase* pristupAtributu, ParserBase* linkAtributa,
                        ParserBase* listaDeklaracijaAtributaKlase, ParserBase* krajNaredbe);
    // The "var" form.
    DeklaracijaAtributa(const char* text, const Location& loc, ParserBase* linkAtributa,
                        ParserBase* listaDeklaracijaAtributaKlase, ParserBase* krajNaredbe);
    ~DeklaracijaAtributa() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 37; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void registerProperties();
};

}  // namespace php
