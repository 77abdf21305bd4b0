#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(int) x`.
class IntCast : public UnaryNode {
public:
    IntCast(const char* open, const Location& openLocation, const char* keyword,
            const Location& keywordLocation, const char* close, const Location& closeLocation,
            ParserBase* operand);

    int kind() const override { return 81; }

protected:
    Value apply(Value& x) const override { return converted(x, integerType()); }
    Type* resultType(Type*) const override { return integerType(); }
};

}  // namespace php
