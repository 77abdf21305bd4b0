#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(float) x`.
class DoubleCast : public UnaryNode {
public:
    DoubleCast(const char* open, const Location& openLocation, const char* keyword,
               const Location& keywordLocation, const char* close, const Location& closeLocation,
               ParserBase* operand);

    int kind() const override { return 49; }

protected:
    Value apply(Value& x) const override { return converted(x, floatType()); }
    Type* resultType(Type*) const override { return floatType(); }
};

}  // namespace php
