#pragma once
#include "tree/ParserBase.h"

namespace php {

// `require_once path`: the statements of the included file are grafted below it.
class RequireOnce : public ParserBase {
public:
    ParserBase* path = nullptr;
    ParserBase* included = nullptr;  // the included file's statement list

    RequireOnce(const char* keyword, const Location& keywordLocation, ParserBase* path);
    ~RequireOnce() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 164; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
