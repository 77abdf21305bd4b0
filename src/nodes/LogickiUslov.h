#pragma once
#include "nodes/base/WrapperNode.h"

namespace php {

// Grammar-only wrapper around the parenthesised condition `(x)` of a statement: a parent adopting
// it takes the inner node instead.
class LogickiUslov : public WrapperNode {
public:
    LogickiUslov(const char* open, const Location& openLocation, ParserBase* inner,
                 const char* close, const Location& closeLocation);

    int kind() const override { return 116; }
};

}  // namespace php
