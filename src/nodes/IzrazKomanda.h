#pragma once
#include "tree/ParserBase.h"

namespace php {

// An expression used as a statement; dissolves into the expression.
class IzrazKomanda : public ParserBase {
public:
    ParserBase* inner = nullptr;

    IzrazKomanda(ParserBase* expression, ParserBase* end);
    ~IzrazKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 88; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
