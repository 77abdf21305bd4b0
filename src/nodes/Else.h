#pragma once
#include "tree/ParserBase.h"

namespace php {

// An else branch or an elseif chain; dissolves into the branch.
class Else : public ParserBase {
public:
    ParserBase* inner = nullptr;

    Else(const char* elseText, const Location& elseLoc, ParserBase* statement);
    explicit Else(ParserBase* elseIf);
    ~Else() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 57; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool alwaysLeaves() override { return inner && inner->alwaysLeaves(); }
};

}  // namespace php
