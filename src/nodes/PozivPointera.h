#pragma once
#include "tree/ParserBase.h"

namespace php {

// A call through a variable, "$f(args)".
class PozivPointera : public ParserBase {
public:
    ParserBase* callee = nullptr;
    ParserBase* arguments = nullptr;  // an ArgumentiFunkcije

    PozivPointera(ParserBase* callee, ParserBase* arguments);
    ~PozivPointera() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 152; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
