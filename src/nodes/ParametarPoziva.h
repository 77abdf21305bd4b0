#pragma once
#include "tree/ParserBase.h"

namespace php {

// One argument of a call. A grammar-only wrapper: adopting it yields the
// argument expression; an argument written "&$v" yields its variable.
class ParametarPoziva : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit ParametarPoziva(ParserBase* argument);
    ~ParametarPoziva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 148; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
