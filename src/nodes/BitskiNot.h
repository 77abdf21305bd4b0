#pragma once
#include "tree/ParserBase.h"

namespace php {

// The unary operator `~x`.
class BitskiNot : public ParserBase {
public:
    ParserBase* operand = nullptr;

    BitskiNot(const char* op, const Location& opLocation, ParserBase* operand);
    ~BitskiNot() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 10; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
