#pragma once
#include "tree/ParserBase.h"

namespace php {

// Base of the nodes the grammar makes only to group a production: a parent
// adopting one takes its inner node instead, so they never stay in the tree.
// The passes keep one transparent should it ever be linked on its own.
class WrapperNode : public ParserBase {
public:
    ParserBase* inner = nullptr;

    ~WrapperNode() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

protected:
    // At the inner node's location, or at the given one (an opening token).
    explicit WrapperNode(ParserBase* inner);
    WrapperNode(ParserBase* inner, const Location& loc);
};

}  // namespace php
