#pragma once
#include "tree/ParserBase.h"

namespace php {

// if, in the brace syntax and in the endif syntax.
class IfKomanda : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* elsePart = nullptr;  // the else statement or list, or an ElseIf/RuzniElseIf
    ParserBase* thenStatement = nullptr;

    IfKomanda(const char* ifText, const Location& ifLoc, ParserBase* cond, ParserBase* statement,
              ParserBase* els);
    IfKomanda(const char* ifText, const Location& ifLoc, ParserBase* cond, ParserBase* statements,
              ParserBase* els, const char* endifText, const Location& endifLoc, ParserBase* end);
    ~IfKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 72; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
    bool alwaysLeaves() override;
};

}  // namespace php
