#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around the parenthesised condition `(x)` of a statement: a parent adopting
// it takes the inner node instead.
class LogickiUslov : public ParserBase {
public:
    ParserBase* inner = nullptr;

    LogickiUslov(const char* open, const Location& openLocation, ParserBase* inner,
                 const char* close, const Location& closeLocation);
    ~LogickiUslov() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 116; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
