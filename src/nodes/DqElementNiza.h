#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// "$name[index]" inside a string.
class DqElementNiza : public ParserBase {
public:
    ParserBase* variable = nullptr;  // a Varijabla
    ParserBase* index = nullptr;     // an OfsetPodNavodnikom

    DqElementNiza(ParserBase* variable, const char* lbracket, const Location& loc, ParserBase* index,
                  const char* rbracket, const Location& rbracketLocation);
    ~DqElementNiza() override;

    // The element `index` of the variable `name` as seen from `at`; reports
    // an undeclared variable and a missing element.
    static Value elementOf(ParserBase* at, const std::string& name, ParserBase* index);

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 50; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
