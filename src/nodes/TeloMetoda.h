#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// A method body: a block, or nothing for a declaration ended by ";".
// Grammar-only wrapper: adopting it yields its content.
class TeloMetoda : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit TeloMetoda(ParserBase* node);
    ~TeloMetoda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 182; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
