#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(object) x`. Objects are not modelled as values, so it never
// yields a known value; it keeps the operand's class as its type.
class ObjectCast : public UnaryNode {
public:
    ObjectCast(const char* open, const Location& openLocation, const char* keyword,
               const Location& keywordLocation, const char* close, const Location& closeLocation,
               ParserBase* operand);

    // The operand is not evaluated at all.
    Value evaluate() override { return Value(); }
    Value staticValue() override { return Value(); }
    int kind() const override { return 135; }

protected:
    Value apply(Value&) const override { return Value(); }
    Type* resultType(Type* operandType) const override {
        return operandType && operandType->isObject() ? operandType : nullptr;
    }
};

}  // namespace php
