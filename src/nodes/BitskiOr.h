#pragma once
#include "tree/ParserBase.h"

namespace php {

// The binary operator `a | b`.
class BitskiOr : public ParserBase {
public:
    ParserBase* left = nullptr;
    ParserBase* right = nullptr;

    BitskiOr(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);
    ~BitskiOr() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 11; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
