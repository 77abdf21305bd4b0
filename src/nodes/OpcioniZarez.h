#pragma once
#include "tree/ParserBase.h"

namespace php {

// An optional "," (no production builds it).
class OpcioniZarez : public ParserBase {
public:
    OpcioniZarez() = default;
    explicit OpcioniZarez(const Location& loc) : ParserBase(loc) {}

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 142; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
