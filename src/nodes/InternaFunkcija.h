#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around `include`, `require` (and their `_once` forms) or `print`: a parent
// adopting it takes the inner node instead.
class InternaFunkcija : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit InternaFunkcija(ParserBase* inner);
    ~InternaFunkcija() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 82; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
