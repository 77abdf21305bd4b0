#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around a binary operator: a parent adopting it takes the
// inner node instead.
class BinarniOperator : public WrapperNode {
public:
    explicit BinarniOperator(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 8; }
};

}  // namespace php
