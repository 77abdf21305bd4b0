#pragma once
#include "tree/ParserBase.h"

namespace php {

// The statements after ":" in the alternative syntax; dissolves into the list.
class RuznaListaNaredbi : public ParserBase {
public:
    ParserBase* inner = nullptr;

    RuznaListaNaredbi(const char* colonText, const Location& colonLoc, ParserBase* statements);
    ~RuznaListaNaredbi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 166; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
