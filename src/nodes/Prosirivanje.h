#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "extends A, B" clause of an interface declaration.
class Prosirivanje : public ParserBase {
public:
    ParserBase* classes = nullptr;  // ListaKlasa; null when the list was dropped

    Prosirivanje(const char* text, const Location& loc, ParserBase* listaKlasa);
    ~Prosirivanje() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 159; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
