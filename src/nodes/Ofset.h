#pragma once
#include "tree/ParserBase.h"

namespace php {

// The index expression between brackets; absent for "[]".
// A grammar-only wrapper: adopting it yields its inner node.
class Ofset : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit Ofset(ParserBase* inner);
    ~Ofset() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 136; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
