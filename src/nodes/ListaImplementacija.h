#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "implements A, B" clause of a class declaration.
class ListaImplementacija : public ParserBase {
public:
    ParserBase* classes = nullptr;  // ListaKlasa; null when the list was dropped

    ListaImplementacija(const char* text, const Location& loc, ParserBase* listaKlasa);
    ~ListaImplementacija() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 106; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
