#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// "abstract" or "final" before a class declaration.
class OpcDirektivaZaNasledjivanje : public ParserBase {
public:
    std::string word;  // the modifier as written

    // Keywords are case-insensitive; any word but "abstract" means final.
    bool isAbstract() const;
    bool isFinal() const { return !isAbstract(); }

    OpcDirektivaZaNasledjivanje(const char* text, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 139;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
