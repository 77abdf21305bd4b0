#pragma once
#include "tree/ParserBase.h"

namespace php {

// An empty statement (no production builds it).
class PraznaKomanda : public ParserBase {
public:
    PraznaKomanda() = default;
    explicit PraznaKomanda(const Location& loc) : ParserBase(loc) {}

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 154; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
