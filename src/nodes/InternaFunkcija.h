#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around `include`, `require` (and their `_once` forms) or `print`: a parent
// adopting it takes the inner node instead.
class InternaFunkcija : public WrapperNode {
public:
    explicit InternaFunkcija(ParserBase* inner) : WrapperNode(inner) {}

    int kind() const override { return 82; }
};

}  // namespace php
