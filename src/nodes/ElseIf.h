#pragma once
#include "tree/ParserBase.h"

namespace php {

// elseif (cond) statement, followed by the rest of the chain.
class ElseIf : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* statement = nullptr;
    ParserBase* rest = nullptr;

    ElseIf(const char* elseifText, const Location& elseifLoc, ParserBase* cond, ParserBase* branch,
           ParserBase* els);
    ~ElseIf() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 58; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
    bool alwaysLeaves() override;
};

}  // namespace php
