#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The optional type hint of a parameter.
// Grammar-only wrapper: adopting it yields its content.
class OpcTipParametra : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit OpcTipParametra(ParserBase* node);
    ~OpcTipParametra() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 146; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
