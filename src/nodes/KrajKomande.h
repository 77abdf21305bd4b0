#pragma once
#include "tree/ParserBase.h"

namespace php {

// A statement terminator (no production builds it).
class KrajKomande : public ParserBase {
public:
    KrajKomande() = default;
    explicit KrajKomande(const Location& loc) : ParserBase(loc) {}

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 94; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
