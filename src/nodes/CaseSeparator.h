#pragma once
#include "tree/ParserBase.h"

namespace php {

// The ";" or ":" after a case label.
class CaseSeparator : public ParserBase {
public:
    CaseSeparator() = default;
    explicit CaseSeparator(const Location& loc) : ParserBase(loc) {}

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 20; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
