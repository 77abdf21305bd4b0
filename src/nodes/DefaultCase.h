#pragma once
#include "tree/ParserBase.h"

namespace php {

// default: statements
class DefaultCase : public ParserBase {
public:
    ParserBase* statements = nullptr;

    DefaultCase(const char* defaultText, const Location& defaultLoc, ParserBase* separator,
                ParserBase* list);
    ~DefaultCase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 29;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
