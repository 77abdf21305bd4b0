#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around an expression that is not a plain variable, or a parenthesised
// expression: a parent adopting it takes the inner node instead.
class IzrazBezPromenljive : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit IzrazBezPromenljive(ParserBase* inner);
    IzrazBezPromenljive(const char* open, const Location& openLocation, ParserBase* inner,
                        const char* close, const Location& closeLocation);
    ~IzrazBezPromenljive() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 86; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
