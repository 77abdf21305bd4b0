#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A run of literal text inside an interpolating string, exactly as written
// (escape sequences are not decoded).
class ObicniZnaci : public ParserBase {
public:
    std::string text;

    ObicniZnaci(const char* text, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 134; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
