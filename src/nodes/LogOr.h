#pragma once
#include "tree/ParserBase.h"

namespace php {

// The binary operator `a or b`.
class LogOr : public ParserBase {
public:
    ParserBase* left = nullptr;
    ParserBase* right = nullptr;

    LogOr(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);
    ~LogOr() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 117; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
