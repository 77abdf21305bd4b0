#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "static" marker before a property or method declaration.
class LinkAtributa : public ParserBase {
public:
    std::string word;  // the modifier as written

    LinkAtributa(const char* text, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 95;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
