#pragma once
#include "tree/ParserBase.h"

namespace php {

// `++x` or `x++`.
class InkrementOperator : public ParserBase {
public:
    ParserBase* operand = nullptr;
    bool prefix = false;  // the operator stands before the operand

    // `x++`
    InkrementOperator(ParserBase* operand, const char* op, const Location& opLocation);
    // `++x`
    InkrementOperator(const char* op, const Location& opLocation, ParserBase* operand);
    ~InkrementOperator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 79; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
