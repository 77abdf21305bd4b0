#pragma once
#include "tree/ParserBase.h"

namespace php {

// An optional ";" (no production builds it).
class OpcioniTz : public ParserBase {
public:
    OpcioniTz() = default;
    explicit OpcioniTz(const Location& loc) : ParserBase(loc) {}

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 141; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
