#pragma once
#include "tree/ParserBase.h"

namespace php {

// Any statement; a grammar wrapper that dissolves on adoption.
class Komanda : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit Komanda(ParserBase* statement);
    // Inline HTML between code blocks: nothing to analyse.
    Komanda(const char* html, const Location& loc);
    ~Komanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 91; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
