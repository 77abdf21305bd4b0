#pragma once
#include "tree/ParserBase.h"

namespace php {

// The conditional operator `c ? a : b`, which branches like an `if`.
class UpitnikOperator : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* then = nullptr;
    ParserBase* otherwise = nullptr;

    UpitnikOperator(ParserBase* condition, const char* question, const Location& questionLocation,
                    ParserBase* then, const char* colon, const Location& colonLocation,
                    ParserBase* otherwise);
    ~UpitnikOperator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    static constexpr int Kind = 191;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isBranching() override { return true; }

private:
    Value compute(bool statically);
};

}  // namespace php
