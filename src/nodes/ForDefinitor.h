#pragma once
#include "tree/ParserBase.h"

namespace php {

// The parenthesised header of a for loop: ( init ; condition ; step ).
class ForDefinitor : public ParserBase {
public:
    ParserBase* init = nullptr;
    ParserBase* condition = nullptr;
    ParserBase* step = nullptr;

    ForDefinitor(const char* openText, const Location& openLoc, ParserBase* initList,
                 const char* semi1Text, const Location& semi1Loc, ParserBase* conditionList,
                 const char* semi2Text, const Location& semi2Loc, ParserBase* stepList,
                 const char* closeText, const Location& closeLoc);
    ~ForDefinitor() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 60;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
