#pragma once
#include "tree/ParserBase.h"

namespace php {

// A braced block; dissolves into its statement list.
class BlokKomanda : public ParserBase {
public:
    ParserBase* inner = nullptr;

    BlokKomanda(const char* openText, const Location& openLoc, ParserBase* statements,
                const char* closeText, const Location& closeLoc);
    ~BlokKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 13; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
