#pragma once
#include "tree/ParserBase.h"

namespace php {

// for, in the brace syntax and in the endfor syntax.
class ForKomanda : public ParserBase {
public:
    ParserBase* header = nullptr;  // a ForDefinitor
    ParserBase* body = nullptr;

    ForKomanda(const char* forText, const Location& forLoc, ParserBase* definitor,
               ParserBase* statement);
    ForKomanda(const char* forText, const Location& forLoc, ParserBase* definitor,
               ParserBase* statements, const char* endforText, const Location& endforLoc,
               ParserBase* end);
    ~ForKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 64; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }
};

}  // namespace php
