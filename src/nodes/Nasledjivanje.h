#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "extends Parent" clause of a class declaration.
class Nasledjivanje : public ParserBase {
public:
    ParserBase* parentClass = nullptr;  // FqImeKlase naming the parent

    Nasledjivanje(const char* text, const Location& loc, ParserBase* fqImeKlase);
    ~Nasledjivanje() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    static constexpr int Kind = 129;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
