#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(bool) x`.
class BoolCast : public UnaryNode {
public:
    BoolCast(const char* open, const Location& openLocation, const char* keyword,
             const Location& keywordLocation, const char* close, const Location& closeLocation,
             ParserBase* operand);

    int kind() const override { return 15; }

protected:
    Value apply(Value& x) const override { return converted(x, booleanType()); }
    Type* resultType(Type*) const override { return booleanType(); }
};

}  // namespace php
