#pragma once
#include "nodes/base/TokenLeaf.h"

namespace php {

// An optional ";" (no production builds it).
class OpcioniTz : public TokenLeaf {
public:
    OpcioniTz() = default;
    explicit OpcioniTz(const Location& loc) : TokenLeaf(loc) {}

    int kind() const override { return 141; }
};

}  // namespace php
