#pragma once
#include "nodes/base/BinaryNode.h"

namespace php {

// The binary operator `a + b`.
class Plus : public BinaryNode {
public:
    Plus(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);

    static constexpr int Kind = 149;
    int kind() const override { return Kind; }

protected:
    Value apply(const Value& l, const Value& r) const override;
    ResultRule resultRule() const override { return ResultRule::Arithmetic; }
};

}  // namespace php
