#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around the silenced expression `@x`; the operator leaves no trace in the
// tree: a parent adopting it takes the inner node instead.
class MutavaNaredba : public WrapperNode {
public:
    MutavaNaredba(const char* at, const Location& atLocation, ParserBase* inner);

    int kind() const override { return 123; }
};

}  // namespace php
