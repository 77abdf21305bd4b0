#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// The "$" signs before a variable-variable. Consumed by the
// NeobjektnaPromenljiva that takes it; it never stays in the tree.
class ListaDolara : public ParserBase {
public:
    int32_t count = 0;

    ListaDolara(const char* dollar, const Location& loc);
    ListaDolara(ParserBase* previous, const char* dollar, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 105;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
