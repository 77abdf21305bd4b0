#pragma once
#include "tree/ParserBase.h"

namespace php {

// switch (subject) { cases }
class SwitchKomanda : public ParserBase {
public:
    ParserBase* subject = nullptr;
    ParserBase* cases = nullptr;  // a Caseovi

    SwitchKomanda(const char* switchText, const Location& switchLoc, ParserBase* cond,
                  ParserBase* body);
    ~SwitchKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 180; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
