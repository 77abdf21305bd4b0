#pragma once
#include "tree/ParserBase.h"

namespace php {

// The body of a switch, braced or closed by endswitch; dissolves into its case list.
class Switchovi : public ParserBase {
public:
    ParserBase* inner = nullptr;

    Switchovi(const char* openText, const Location& openLoc, ParserBase* semicolon,
              ParserBase* cases, const char* closeText, const Location& closeLoc);
    Switchovi(const char* colonText, const Location& colonLoc, ParserBase* semicolon,
              ParserBase* cases, const char* endswitchText, const Location& endswitchLoc,
              ParserBase* end);
    ~Switchovi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 181; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
