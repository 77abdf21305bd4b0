#pragma once
#include "tree/ParserBase.h"

namespace php {

// The unary operator `+x`.
class UnarniPlus : public ParserBase {
public:
    ParserBase* operand = nullptr;

    UnarniPlus(const char* op, const Location& opLocation, ParserBase* operand);
    ~UnarniPlus() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 188; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
