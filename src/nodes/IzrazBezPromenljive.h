#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around an expression that is not a plain variable, or a parenthesised
// expression: a parent adopting it takes the inner node instead.
class IzrazBezPromenljive : public WrapperNode {
public:
    explicit IzrazBezPromenljive(ParserBase* inner) : WrapperNode(inner) {}
    IzrazBezPromenljive(const char* open, const Location& openLocation, ParserBase* inner,
                        const char* close, const Location& closeLocation);

    int kind() const override { return 86; }
};

}  // namespace php
