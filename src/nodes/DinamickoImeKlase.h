#pragma once
#include "tree/ParserBase.h"

namespace php {

// A class name taken from an object expression ("new $o->cls").
class DinamickoImeKlase : public ParserBase {
public:
    ParserBase* base = nullptr;   // the variable expression
    ParserBase* steps = nullptr;  // an AtributiImenaKlase

    DinamickoImeKlase(ParserBase* base, ParserBase* steps);
    ~DinamickoImeKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 47; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
