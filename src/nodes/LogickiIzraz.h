#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around a comparison, `instanceof`, `isset` or `empty`: a parent adopting it
// takes the inner node instead.
class LogickiIzraz : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit LogickiIzraz(ParserBase* inner);
    ~LogickiIzraz() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 114; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
