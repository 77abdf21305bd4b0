#pragma once
#include "tree/ParserBase.h"

namespace php {

// continue, with an optional level.
class ContinueKomanda : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ContinueKomanda(const char* continueText, const Location& continueLoc, ParserBase* end);
    ContinueKomanda(const char* continueText, const Location& continueLoc, ParserBase* level,
                    ParserBase* end);
    ~ContinueKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 26; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return true; }
    bool alwaysLeaves() override { return true; }
};

}  // namespace php
