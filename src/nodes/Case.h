#pragma once
#include "tree/ParserBase.h"

namespace php {

// case label: statements
class Case : public ParserBase {
public:
    ParserBase* label = nullptr;
    ParserBase* statements = nullptr;

    Case(const char* caseText, const Location& caseLoc, ParserBase* expression,
         ParserBase* separator, ParserBase* list);
    ~Case() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 18; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool alwaysLeaves() override { return statements && statements->alwaysLeaves(); }
};

}  // namespace php
