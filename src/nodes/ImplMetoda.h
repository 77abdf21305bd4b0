#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// "abstract" or "final" before a method definition.
class ImplMetoda : public ParserBase {
public:
    std::string word;  // the modifier as written

    // Keywords are case-insensitive; any word but "abstract" means final.
    bool isAbstract() const;
    bool isFinal() const { return !isAbstract(); }

    ImplMetoda(const char* text, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 75; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
