#pragma once
#include "tree/ParserBase.h"

namespace php {

// A scalar: a constant, a class constant, a literal or a string. A parent
// adopting it takes the operand as it stands.
class Skalar : public ParserBase {
public:
    ParserBase* operand = nullptr;

    explicit Skalar(ParserBase* operand);
    ~Skalar() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 171; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
