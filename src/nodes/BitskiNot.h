#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The unary operator `~x`.
class BitskiNot : public UnaryNode {
public:
    BitskiNot(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 10; }

protected:
    Value apply(Value& x) const override { return x.bitNot(); }
    Type* resultType(Type* operandType) const override { return operandType == stringType() ? stringType() : integerType(); }
};

}  // namespace php
