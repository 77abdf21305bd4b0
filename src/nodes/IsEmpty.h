#pragma once
#include "tree/ParserBase.h"

namespace php {

// `empty(x)`.
class IsEmpty : public ParserBase {
public:
    ParserBase* operand = nullptr;

    IsEmpty(const char* keyword, const Location& keywordLocation, const char* open,
            const Location& openLocation, ParserBase* operand, const char* close,
            const Location& closeLocation);
    ~IsEmpty() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 83; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
