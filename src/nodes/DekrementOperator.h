#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// `--x` or `x--`.
class DekrementOperator : public UnaryNode {
public:
    bool prefix = false;  // the operator stands before the operand

    // `x--`
    DekrementOperator(ParserBase* operand, const char* op, const Location& opLocation);
    // `--x`
    DekrementOperator(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 46; }

protected:
    Value apply(Value& x) const override;
    Type* resultType(Type* operandType) const override {
        return operandType == floatType() ? floatType() : integerType();
    }
};

}  // namespace php
