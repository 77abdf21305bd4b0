#pragma once
#include "nodes/base/UnaryNode.h"

namespace php {

// The cast `(unset) x`.
class UnsetCast : public UnaryNode {
public:
    UnsetCast(const char* open, const Location& openLocation, const char* keyword,
              const Location& keywordLocation, const char* close, const Location& closeLocation,
              ParserBase* operand);

    int kind() const override { return 189; }

protected:
    Value apply(Value& x) const override { return converted(x, nullType()); }
    Type* resultType(Type*) const override { return nullType(); }
};

}  // namespace php
