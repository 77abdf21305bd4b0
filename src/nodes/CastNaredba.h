#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around a cast: a parent adopting it takes the
// inner node instead.
class CastNaredba : public WrapperNode {
public:
    explicit CastNaredba(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 21; }
};

}  // namespace php
