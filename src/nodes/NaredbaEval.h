#pragma once
#include "tree/ParserBase.h"

namespace php {

// `eval(x)`.
class NaredbaEval : public ParserBase {
public:
    ParserBase* operand = nullptr;

    NaredbaEval(const char* keyword, const Location& keywordLocation, const char* open,
                const Location& openLocation, ParserBase* operand, const char* close,
                const Location& closeLocation);
    ~NaredbaEval() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 127; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
