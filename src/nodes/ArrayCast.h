#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(array) x`.
class ArrayCast : public UnaryNode {
public:
    ArrayCast(const char* open, const Location& openLocation, const char* keyword,
              const Location& keywordLocation, const char* close, const Location& closeLocation,
              ParserBase* operand);

    int kind() const override { return 2; }

protected:
    Value apply(Value& x) const override { return converted(x, arrayType()); }
    Type* resultType(Type*) const override { return arrayType(); }
};

}  // namespace php
