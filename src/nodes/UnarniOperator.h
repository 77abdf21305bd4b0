#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around a unary operator: a parent adopting it takes the
// inner node instead.
class UnarniOperator : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit UnarniOperator(ParserBase* inner);
    ~UnarniOperator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 187; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
