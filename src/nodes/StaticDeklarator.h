#pragma once
#include "tree/ParserBase.h"

namespace php {

// One declarator of a static statement: $a or $a = scalar.
class StaticDeklarator : public ParserBase {
public:
    ParserBase* variable = nullptr;      // a Varijabla
    ParserBase* initialValue = nullptr;  // optional

    StaticDeklarator(ParserBase* var, const char* assignText, const Location& assignLoc,
                     ParserBase* value);
    explicit StaticDeklarator(ParserBase* var);
    ~StaticDeklarator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 173; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
