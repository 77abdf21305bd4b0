#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// A scalar where PHP demands a constant expression, with an optional sign.
// Without a sign a parent adopting it takes the operand instead.
class StatickiSkalar : public ParserBase {
public:
    ParserBase* operand = nullptr;
    int32_t sign = 0;  // -1 for a leading "-", +1 for "+", 0 for none

    explicit StatickiSkalar(ParserBase* operand);
    StatickiSkalar(const char* sign, const Location& signLocation, ParserBase* operand);
    ~StatickiSkalar() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    static constexpr int Kind = 176;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
