#pragma once
#include "tree/ParserBase.h"

namespace php {

// One interpolation inside a string. Adopting it yields the inner node,
// except around a plain Varijabla, which it keeps wrapped.
class PromenljivaPodNavodnikom : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit PromenljivaPodNavodnikom(ParserBase* inner);
    ~PromenljivaPodNavodnikom() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    ParserBase* unwrap() override;
    int kind() const override { return 158; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
