#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// An expression as the grammar sees it. It stays in the tree only around a
// `Promenljiva`; around anything else a parent adopting it takes the inner node.
class Izraz : public WrapperNode {
public:
    explicit Izraz(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 85; }
    ParserBase* unwrap() override;
};

}  // namespace php
