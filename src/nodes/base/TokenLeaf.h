#pragma once
#include "tree/ParserBase.h"

namespace php {

// Base of the leaves that stand for a token alone: nothing to link, check or
// fold, the unknown value, and a flow graph of one state.
class TokenLeaf : public ParserBase {
public:
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}

protected:
    TokenLeaf() = default;
    explicit TokenLeaf(const Location& loc) : ParserBase(loc) {}
};

}  // namespace php
