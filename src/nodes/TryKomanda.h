#pragma once
#include "tree/ParserBase.h"

namespace php {

// try { statements } catch ...
class TryKomanda : public ParserBase {
public:
    ParserBase* body = nullptr;     // a statement list
    ParserBase* catches = nullptr;  // a ListaCatchova

    TryKomanda(const char* tryText, const Location& tryLoc, const char* openText,
               const Location& openLoc, ParserBase* statements, const char* closeText,
               const Location& closeLoc, ParserBase* catchList);
    ~TryKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 185;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
