#pragma once
#include "tree/ParserBase.h"

namespace php {

// break, with an optional level.
class BreakKomanda : public ParserBase {
public:
    ParserBase* operand = nullptr;

    BreakKomanda(const char* breakText, const Location& breakLoc, ParserBase* end);
    BreakKomanda(const char* breakText, const Location& breakLoc, ParserBase* level,
                 ParserBase* end);
    ~BreakKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 17; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return true; }
    bool alwaysLeaves() override { return true; }
};

}  // namespace php
