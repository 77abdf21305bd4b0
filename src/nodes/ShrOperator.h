#pragma once
#include "nodes/base/BinaryNode.h"

namespace php {

// The binary operator `a >> b`.
class ShrOperator : public BinaryNode {
public:
    ShrOperator(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);

    static constexpr int Kind = 170;
    int kind() const override { return Kind; }

protected:
    Value apply(const Value& l, const Value& r) const override;
    ResultRule resultRule() const override { return ResultRule::Integer; }
};

}  // namespace php
