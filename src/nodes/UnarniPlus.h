#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The unary operator `+x`.
class UnarniPlus : public UnaryNode {
public:
    UnarniPlus(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 188; }

protected:
    Value apply(Value& x) const override { return x.unaryPlus(); }
    Type* resultType(Type* operandType) const override { return operandType == floatType() ? floatType() : integerType(); }
};

}  // namespace php
