#pragma once
#include "tree/ParserBase.h"

namespace php {

// `--x` or `x--`.
class DekrementOperator : public ParserBase {
public:
    ParserBase* operand = nullptr;
    bool prefix = false;  // the operator stands before the operand

    // `x--`
    DekrementOperator(ParserBase* operand, const char* op, const Location& opLocation);
    // `--x`
    DekrementOperator(const char* op, const Location& opLocation, ParserBase* operand);
    ~DekrementOperator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 46; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
