#pragma once
#include "tree/ParserBase.h"

namespace php {

// The body of a declare: a statement, or a list closed by enddeclare.
class DeclareNaredba : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit DeclareNaredba(ParserBase* statement);
    DeclareNaredba(ParserBase* statements, const char* enddeclareText,
                   const Location& enddeclareLoc, ParserBase* end);
    ~DeclareNaredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 28; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
