#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The unary operator `!x`.
class LogickiNot : public UnaryNode {
public:
    LogickiNot(const char* op, const Location& opLocation, ParserBase* operand);

    int kind() const override { return 115; }

protected:
    Value apply(Value& x) const override { return x.logicalNot(); }
    Type* resultType(Type*) const override { return booleanType(); }
};

}  // namespace php
