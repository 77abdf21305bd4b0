#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Klasa;

// A "const A = 1, B = 2;" statement inside a class body.
class DefinicijaKonstantiUKlasi : public ParserBase {
public:
    ParserBase* constants = nullptr;  // ListaDefKonstanti

    DefinicijaKonstantiUKlasi(const char* text, const Location& loc, ParserBase* listaDefKonstanti,
                              ParserBase* krajNaredbe);
    ~DefinicijaKonstantiUKlasi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 30;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

    // Enters every named constant of the statement in the class's table,
    // before the body is linked: its place is the class's file and the
    // item's line. A name already there is reported as a redefinition.
    void declareInto(Klasa* klasa);
};

}  // namespace php
