#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The method declarations of an interface body; kept even when empty.
class ListaDeklaracijaMetoda : public ParserBase {
public:
    std::vector<ParserBase*> items;

    // The empty production: an interface body with no methods.
    ListaDeklaracijaMetoda();
    ListaDeklaracijaMetoda(ParserBase* list, ParserBase* item);
    ~ListaDeklaracijaMetoda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 103;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
