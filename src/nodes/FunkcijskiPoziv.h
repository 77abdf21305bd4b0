#pragma once
#include "tree/ParserBase.h"

namespace php {

// Any of the three call forms.
// A grammar-only wrapper: adopting it yields its inner node.
class FunkcijskiPoziv : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit FunkcijskiPoziv(ParserBase* inner);
    ~FunkcijskiPoziv() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 66; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
