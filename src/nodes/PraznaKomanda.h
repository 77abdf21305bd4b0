#pragma once
#include "nodes/base/TokenLeaf.h"

namespace php {

// An empty statement (no production builds it).
class PraznaKomanda : public TokenLeaf {
public:
    PraznaKomanda() = default;
    explicit PraznaKomanda(const Location& loc) : TokenLeaf(loc) {}

    int kind() const override { return 154; }
};

}  // namespace php
