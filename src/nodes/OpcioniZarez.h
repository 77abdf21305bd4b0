#pragma once
#include "nodes/base/TokenLeaf.h"

namespace php {

// An optional "," (no production builds it).
class OpcioniZarez : public TokenLeaf {
public:
    OpcioniZarez() = default;
    explicit OpcioniZarez(const Location& loc) : TokenLeaf(loc) {}

    int kind() const override { return 142; }
};

}  // namespace php
