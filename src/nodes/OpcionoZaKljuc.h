#pragma once
#include "tree/ParserBase.h"

namespace php {

// The "=> target" part of a foreach.
class OpcionoZaKljuc : public ParserBase {
public:
    ParserBase* operand = nullptr;

    OpcionoZaKljuc(const char* arrowText, const Location& arrowLoc, ParserBase* target);
    ~OpcionoZaKljuc() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 143; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
