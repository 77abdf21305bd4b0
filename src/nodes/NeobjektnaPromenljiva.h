#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// One or more "$" followed by an indexed name: "$a", "$$a", "$a[1]".
class NeobjektnaPromenljiva : public ParserBase {
public:
    int32_t dollarCount = 0;
    ParserBase* inner = nullptr;  // an IndeksniPristup

    // Takes the count of the ListaDolara and deletes it.
    NeobjektnaPromenljiva(ParserBase* dollars, ParserBase* indexed);
    ~NeobjektnaPromenljiva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    static constexpr int Kind = 132;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
