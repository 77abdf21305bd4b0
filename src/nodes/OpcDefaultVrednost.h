#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The optional "= value" of a parameter or property.
// Grammar-only wrapper: adopting it yields its content.
class OpcDefaultVrednost : public ParserBase {
public:
    ParserBase* inner = nullptr;

    OpcDefaultVrednost(const char* text, const Location& loc, ParserBase* node);
    ~OpcDefaultVrednost() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 138; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
