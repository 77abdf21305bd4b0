#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The parameters of a function header, in order.
class ListaDeklaracijaParametara : public ParserBase {
public:
    std::vector<ParserBase*> items;

    ListaDeklaracijaParametara(ParserBase* list, const char* commaText, const Location& commaLoc, ParserBase* item);
    explicit ListaDeklaracijaParametara(ParserBase* item);
    ~ListaDeklaracijaParametara() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 104;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
