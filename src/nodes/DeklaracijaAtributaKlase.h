#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// One variable of a property declaration, with its optional default.
class DeklaracijaAtributaKlase : public ParserBase {
public:
    ParserBase* variable = nullptr;      // Varijabla
    ParserBase* defaultValue = nullptr;  // the static scalar after "="

    DeklaracijaAtributaKlase(ParserBase* varijabla, ParserBase* opcDefaultVrednost);
    ~DeklaracijaAtributaKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 38;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
