#pragma once
#include "tree/ParserBase.h"

namespace php {

// The optional argument list after a member name.
// A grammar-only wrapper: adopting it yields its inner node.
class OpcFunkcijskiPoziv : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit OpcFunkcijskiPoziv(ParserBase* inner);
    ~OpcFunkcijskiPoziv() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 140; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
