#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around a binary operator: a parent adopting it takes the
// inner node instead.
class BinarniOperator : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit BinarniOperator(ParserBase* inner);
    ~BinarniOperator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 8; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
