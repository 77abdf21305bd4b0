#pragma once
#include "tree/ParserBase.h"

namespace php {

// foreach (subject as targets) body
class ForeachKomanda : public ParserBase {
public:
    ParserBase* header = nullptr;  // a ForeachDefinitor
    ParserBase* body = nullptr;    // a ForeachNaredba

    ForeachKomanda(const char* foreachText, const Location& foreachLoc, ParserBase* definitor,
                   ParserBase* statement);
    ~ForeachKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 62; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
