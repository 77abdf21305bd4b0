#pragma once
#include "tree/ParserBase.h"

namespace php {

// Grammar-only wrapper around a cast: a parent adopting it takes the
// inner node instead.
class CastNaredba : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit CastNaredba(ParserBase* inner);
    ~CastNaredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 21; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
