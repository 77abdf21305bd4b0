#pragma once
#include "tree/ParserBase.h"

namespace php {

// `print x`, which always yields 1.
class Print : public ParserBase {
public:
    ParserBase* operand = nullptr;

    Print(const char* keyword, const Location& keywordLocation, ParserBase* operand);
    ~Print() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 155; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
