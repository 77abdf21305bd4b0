#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The case and default labels of a switch, in order.
class Caseovi : public ParserBase {
public:
    std::vector<ParserBase*> items;  // Case and DefaultCase nodes
    int32_t defaultCount = 0;        // number of default labels

    Caseovi(ParserBase* list, ParserBase* item);
    ~Caseovi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 19;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void append(ParserBase* item);
};

}  // namespace php
