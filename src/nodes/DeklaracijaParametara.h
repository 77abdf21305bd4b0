#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The optional parameter list of a function header.
// Grammar-only wrapper: adopting it yields its content.
class DeklaracijaParametara : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit DeklaracijaParametara(ParserBase* node);
    ~DeklaracijaParametara() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 43; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
