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
    static constexpr int Kind = 106;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
