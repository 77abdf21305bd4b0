#pragma once
#include "tree/ParserBase.h"

namespace php {

// The unary operator `!x`.
class LogickiNot : public ParserBase {
public:
    ParserBase* operand = nullptr;

    LogickiNot(const char* op, const Location& opLocation, ParserBase* operand);
    ~LogickiNot() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 115; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
