#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around the silenced expression `@x`; the operator leaves no trace in the
// tree: a parent adopting it takes the inner node instead.
class MutavaNaredba : public ParserBase {
public:
    ParserBase* inner = nullptr;

    MutavaNaredba(const char* at, const Location& atLocation, ParserBase* inner);
    ~MutavaNaredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 123; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
