#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around a comparison, `instanceof`, `isset` or `empty`: a parent adopting it
// takes the inner node instead.
class LogickiIzraz : public WrapperNode {
public:
    explicit LogickiIzraz(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 114; }
};

}  // namespace php
