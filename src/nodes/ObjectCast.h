#pragma once
#include "tree/ParserBase.h"

namespace php {

// The cast `(object) x`. Objects are not modelled as values, so it never
// yields a known value; it keeps the operand's class as its type.
class ObjectCast : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ObjectCast(const char* open, const Location& openLocation, const char* keyword,
               const Location& keywordLocation, const char* close, const Location& closeLocation,
               ParserBase* operand);
    ~ObjectCast() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 135; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
