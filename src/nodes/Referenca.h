#pragma once
#include "tree/ParserBase.h"

namespace php {

// "&variable".
class Referenca : public ParserBase {
public:
    ParserBase* operand = nullptr;

    Referenca(const char* ampersand, const Location& loc, ParserBase* operand);
    ~Referenca() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 161;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
