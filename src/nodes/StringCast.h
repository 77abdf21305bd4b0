#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(string) x`.
class StringCast : public UnaryNode {
public:
    StringCast(const char* open, const Location& openLocation, const char* keyword,
               const Location& keywordLocation, const char* close, const Location& closeLocation,
               ParserBase* operand);

    int kind() const override { return 179; }

protected:
    Value apply(Value& x) const override { return converted(x, stringType()); }
    Type* resultType(Type*) const override { return stringType(); }
};

}  // namespace php
