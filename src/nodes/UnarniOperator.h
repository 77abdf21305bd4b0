#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around a unary operator: a parent adopting it takes the
// inner node instead.
class UnarniOperator : public WrapperNode {
public:
    explicit UnarniOperator(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 187; }
};

}  // namespace php
