#pragma once
#include "tree/ParserBase.h"

namespace php {

// throw expression;
class ThrowKomanda : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ThrowKomanda(const char* throwText, const Location& throwLoc, ParserBase* value,
                 ParserBase* end);
    ~ThrowKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 183; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return true; }
    bool alwaysLeaves() override { return true; }
};

}  // namespace php
