#pragma once
#include "tree/ParserBase.h"

namespace php {

// An expression as the grammar sees it. It stays in the tree only around a
// `Promenljiva`; around anything else a parent adopting it takes the inner node.
class Izraz : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit Izraz(ParserBase* inner);
    ~Izraz() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 85; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
