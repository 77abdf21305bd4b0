#pragma once
#include "tree/ParserBase.h"

namespace php {

// The binary operator `a and b`.
class LogAnd : public ParserBase {
public:
    ParserBase* left = nullptr;
    ParserBase* right = nullptr;

    LogAnd(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);
    ~LogAnd() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 113; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
