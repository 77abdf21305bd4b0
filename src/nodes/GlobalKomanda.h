#pragma once
#include "tree/ParserBase.h"

namespace php {

// global $a, $b;
class GlobalKomanda : public ParserBase {
public:
    ParserBase* variables = nullptr;

    GlobalKomanda(const char* globalText, const Location& globalLoc, ParserBase* list,
                  ParserBase* end);
    ~GlobalKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 68; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
