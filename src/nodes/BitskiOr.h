#pragma once
#include "nodes/base/BinaryNode.h"

namespace php {

// The binary operator `a | b`.
class BitskiOr : public BinaryNode {
public:
    BitskiOr(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);

    static constexpr int Kind = 11;
    int kind() const override { return Kind; }

protected:
    Value apply(const Value& l, const Value& r) const override;
    ResultRule resultRule() const override { return ResultRule::Bitwise; }
};

}  // namespace php
