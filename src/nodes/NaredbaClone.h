#pragma once
#include "tree/ParserBase.h"

namespace php {

// `clone x`.
class NaredbaClone : public ParserBase {
public:
    ParserBase* operand = nullptr;

    NaredbaClone(const char* keyword, const Location& keywordLocation, ParserBase* operand);
    ~NaredbaClone() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 125; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
