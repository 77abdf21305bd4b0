#pragma once
#include "tree/ParserBase.h"

namespace php {

// static $a = 1, $b;
class StaticKomanda : public ParserBase {
public:
    ParserBase* declarators = nullptr;

    StaticKomanda(const char* staticText, const Location& staticLoc, ParserBase* list,
                  ParserBase* end);
    ~StaticKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 177; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
