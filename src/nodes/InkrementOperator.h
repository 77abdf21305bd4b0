#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// `++x` or `x++`.
class InkrementOperator : public UnaryNode {
public:
    bool prefix = false;  // the operator stands before the operand

    // `x++`
    InkrementOperator(ParserBase* operand, const char* op, const Location& opLocation);
    // `++x`
    InkrementOperator(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 79; }

protected:
    Value apply(Value& x) const override;
    Type* resultType(Type* operandType) const override {
        return operandType == floatType() ? floatType() : integerType();
    }
};

}  // namespace php
