#pragma once
#include "tree/ParserBase.h"

namespace php {

// `require path`: the statements of the included file are grafted below it.
class Require : public ParserBase {
public:
    ParserBase* path = nullptr;
    ParserBase* included = nullptr;  // the included file's statement list

    Require(const char* keyword, const Location& keywordLocation, ParserBase* path);
    ~Require() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 163; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
