#pragma once
#include "tree/ParserBase.h"

namespace php {

// return, with an optional value.
class ReturnKomanda : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ReturnKomanda(const char* returnText, const Location& returnLoc, ParserBase* end);
    ReturnKomanda(const char* returnText, const Location& returnLoc, ParserBase* value,
                  ParserBase* end);
    ~ReturnKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 165; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return true; }
    bool alwaysLeaves() override { return true; }
};

}  // namespace php
