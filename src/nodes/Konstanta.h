#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A bare constant name used as a value.
class Konstanta : public ParserBase {
public:
    std::string name;

    Konstanta(const char* name, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    static constexpr int Kind = 93;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

    // The name a constant-name node carries (a Konstanta or an
    // Identifikator); empty for anything else.
    static std::string nameOf(const ParserBase* node);
};

}  // namespace php
