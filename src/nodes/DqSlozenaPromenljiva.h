#pragma once
#include "tree/ParserBase.h"

namespace php {

// "{$variable}" inside a string.
class DqSlozenaPromenljiva : public ParserBase {
public:
    ParserBase* variable = nullptr;  // a Promenljiva, unwrapped

    DqSlozenaPromenljiva(const char* lbrace, const Location& loc, ParserBase* variable, const char* rbrace,
                         const Location& rbraceLocation);
    ~DqSlozenaPromenljiva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 54; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
