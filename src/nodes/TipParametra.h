#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The type hint of a parameter, carrying the hint's name as written.
class TipParametra : public ParserBase {
public:
    std::string name;

    explicit TipParametra(ParserBase* identifikator);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 184;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
