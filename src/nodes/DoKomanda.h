#pragma once
#include "tree/ParserBase.h"

namespace php {

// do statement while (cond);
class DoKomanda : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* body = nullptr;

    DoKomanda(const char* doText, const Location& doLoc, ParserBase* statement,
              const char* whileText, const Location& whileLoc, ParserBase* cond, ParserBase* end);
    ~DoKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 48; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
