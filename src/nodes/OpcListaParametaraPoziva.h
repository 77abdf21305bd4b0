#pragma once
#include "tree/ParserBase.h"

namespace php {

// The optional argument list between parentheses.
// A grammar-only wrapper: adopting it yields its inner node.
class OpcListaParametaraPoziva : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit OpcListaParametaraPoziva(ParserBase* inner);
    ~OpcListaParametaraPoziva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 144; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
