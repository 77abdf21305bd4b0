#pragma once
#include "tree/ParserBase.h"

namespace php {

// A plain variable or a static member.
// A grammar-only wrapper: adopting it yields its inner node.
class OsnovnaPromenljiva : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit OsnovnaPromenljiva(ParserBase* inner);
    ~OsnovnaPromenljiva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 147; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
