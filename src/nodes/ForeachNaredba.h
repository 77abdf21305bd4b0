#pragma once
#include "tree/ParserBase.h"

namespace php {

// The body of a foreach: a statement, or a list closed by endforeach.
class ForeachNaredba : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit ForeachNaredba(ParserBase* statement);
    ForeachNaredba(ParserBase* statements, const char* endforeachText,
                   const Location& endforeachLoc, ParserBase* end);
    ~ForeachNaredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 63; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
