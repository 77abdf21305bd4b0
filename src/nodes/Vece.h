#pragma once
#include "nodes/base/BinaryNode.h"

namespace php {

// The binary operator `a > b`.
class Vece : public BinaryNode {
public:
    Vece(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);

    static constexpr int Kind = 194;
    int kind() const override { return Kind; }

protected:
    Value apply(const Value& l, const Value& r) const override;
    ResultRule resultRule() const override { return ResultRule::Boolean; }
};

}  // namespace php
