#pragma once
#include "tree/ParserBase.h"

namespace php {

// elseif (cond): statements, in the alternative syntax.
class RuzniElseIf : public ParserBase {
public:
    ParserBase* condition = nullptr;
    ParserBase* statement = nullptr;
    ParserBase* rest = nullptr;

    RuzniElseIf(const char* elseifText, const Location& elseifLoc, ParserBase* cond,
                ParserBase* statements, ParserBase* els);
    ~RuzniElseIf() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 168; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool alwaysLeaves() override;
};

}  // namespace php
