#pragma once
#include "tree/ParserBase.h"

namespace php {

// The cast `(array) x`.
class ArrayCast : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ArrayCast(const char* open, const Location& openLocation, const char* keyword,
              const Location& keywordLocation, const char* close, const Location& closeLocation,
              ParserBase* operand);
    ~ArrayCast() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 2; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
