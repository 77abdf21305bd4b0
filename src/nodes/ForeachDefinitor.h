#pragma once
#include "tree/ParserBase.h"

namespace php {

// The parenthesised header of a foreach: ( subject as first [=> arrow] ).
class ForeachDefinitor : public ParserBase {
public:
    ParserBase* subject = nullptr;
    ParserBase* firstTarget = nullptr;  // $v, or $k when there is an arrow part
    ParserBase* arrowTarget = nullptr;  // the OpcionoZaKljuc "=> $v", or null

    // Both productions (a variable or another expression as subject) share this shape.
    ForeachDefinitor(const char* openText, const Location& openLoc, ParserBase* iterated,
                     const char* asText, const Location& asLoc, ParserBase* target,
                     ParserBase* arrow, const char* closeText, const Location& closeLoc);
    ~ForeachDefinitor() override;

    void link() override;
    void check() override;
    // After the body: the three sets are dropped and only the subject is
    // absorbed again, so the loop variables do not survive the loop.
    void forgetLoopVariables();
    Value evaluate() override;
    static constexpr int Kind = 61;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
