#pragma once
#include "nodes/base/TokenLeaf.h"

namespace php {

// The ";" or ":" after a case label.
class CaseSeparator : public TokenLeaf {
public:
    CaseSeparator() = default;
    explicit CaseSeparator(const Location& loc) : TokenLeaf(loc) {}

    int kind() const override { return 20; }
};

}  // namespace php
