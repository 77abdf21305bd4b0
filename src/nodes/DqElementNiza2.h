#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// "${name[expression]}" inside a string.
class DqElementNiza2 : public ParserBase {
public:
    std::string name;
    ParserBase* index = nullptr;

    DqElementNiza2(const char* open, const Location& openLocation, ParserBase* name, const char* lbracket,
                   const Location& loc, ParserBase* index, const char* rbracket, const Location& rbracketLocation,
                   const char* rbrace, const Location& rbraceLocation);
    ~DqElementNiza2() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 51; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
