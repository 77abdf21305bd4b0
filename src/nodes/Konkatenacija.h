#pragma once
#include "nodes/base/BinaryNode.h"

namespace php {

// The binary operator `a . b`.
class Konkatenacija : public BinaryNode {
public:
    Konkatenacija(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);

    static constexpr int Kind = 92;
    int kind() const override { return Kind; }

protected:
    Value apply(const Value& l, const Value& r) const override;
    void applyInto(Value& acc, const Value& r) const override { acc.concatenateInPlace(r); }
    ResultRule resultRule() const override { return ResultRule::String; }
};

}  // namespace php
