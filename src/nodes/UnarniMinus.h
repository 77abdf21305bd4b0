#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The unary operator `-x`.
class UnarniMinus : public UnaryNode {
public:
    UnarniMinus(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 186; }

protected:
    Value apply(Value& x) const override { return x.negate(); }
    Type* resultType(Type* operandType) const override { return operandType == floatType() ? floatType() : integerType(); }
};

}  // namespace php
