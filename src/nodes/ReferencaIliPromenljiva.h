#pragma once
#include "tree/ParserBase.h"

namespace php {

// A foreach target written as a variable or as a reference (&$v).
class ReferencaIliPromenljiva : public ParserBase {
public:
    ParserBase* plain = nullptr;
    ParserBase* byReference = nullptr;  // a Referenca

    explicit ReferencaIliPromenljiva(ParserBase* target);
    ~ReferencaIliPromenljiva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 162; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
