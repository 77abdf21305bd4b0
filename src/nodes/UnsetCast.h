#pragma once
#include "tree/ParserBase.h"

namespace php {

// The cast `(unset) x`.
class UnsetCast : public ParserBase {
public:
    ParserBase* operand = nullptr;

    UnsetCast(const char* open, const Location& openLocation, const char* keyword,
              const Location& keywordLocation, const char* close, const Location& closeLocation,
              ParserBase* operand);
    ~UnsetCast() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 189; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    Value compute(bool statically);
};

}  // namespace php
