#pragma once
#include "tree/ParserBase.h"

namespace php {

// The binary operator `a + b`.
class Plus : public ParserBase {
public:
    ParserBase* left = nullptr;
    ParserBase* right = nullptr;

    Plus(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);
    ~Plus() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 149; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
