#pragma once
#include "nodes/base/TokenLeaf.h"

namespace php {

// A statement terminator (no production builds it).
class KrajKomande : public TokenLeaf {
public:
    KrajKomande() = default;
    explicit KrajKomande(const Location& loc) : TokenLeaf(loc) {}

    int kind() const override { return 94; }
};

}  // namespace php
