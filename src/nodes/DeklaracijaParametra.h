#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// One parameter of a function header: [hint] [&] $name [= default].
class DeklaracijaParametra : public ParserBase {
public:
    ParserBase* variable = nullptr;      // Varijabla
    bool byReference = false;            // not part of the signature
    ParserBase* typeHint = nullptr;      // TipParametra
    ParserBase* defaultValue = nullptr;  // the static scalar after "="

    DeklaracijaParametra(ParserBase* opcTipParametra, ParserBase* opcReferenca, ParserBase* varijabla,
                         ParserBase* opcDefaultVrednost);
    ~DeklaracijaParametra() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 44;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
