#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The variables of one property declaration ("$a = 1, $b").
class ListaDeklaracijaAtributaKlase : public ParserBase {
public:
    std::vector<ParserBase*> items;

    ListaDeklaracijaAtributaKlase(ParserBase* list, const char* commaText, const Location& commaLoc, ParserBase* item);
    explicit ListaDeklaracijaAtributaKlase(ParserBase* item);
    ~ListaDeklaracijaAtributaKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 102;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
