#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "&" of a function header or parameter: pass or return by reference.
class OpcReferenca : public ParserBase {
public:
    std::string word;  // the modifier as written

    OpcReferenca(const char* text, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 145; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
