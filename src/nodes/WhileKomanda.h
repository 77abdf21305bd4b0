#pragma once
#include "tree/ParserBase.h"

namespace php {

// while, in the brace syntax and in the endwhile syntax.
class WhileKomanda : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* body = nullptr;

    WhileKomanda(const char* whileText, const Location& whileLoc, ParserBase* cond,
                 ParserBase* statement);
    WhileKomanda(const char* whileText, const Location& whileLoc, ParserBase* cond,
                 ParserBase* statements, const char* endwhileText, const Location& endwhileLoc,
                 ParserBase* end);
    ~WhileKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 196; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
