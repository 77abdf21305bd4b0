#pragma once
#include "tree/ParserBase.h"

namespace php {

// An else branch or elseif chain of the alternative syntax; dissolves on adoption.
class RuzniElse : public ParserBase {
public:
    ParserBase* inner = nullptr;

    RuzniElse(const char* elseText, const Location& elseLoc, ParserBase* statements);
    explicit RuzniElse(ParserBase* elseIf);
    ~RuzniElse() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 167; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool alwaysLeaves() override { return inner && inner->alwaysLeaves(); }
};

}  // namespace php
