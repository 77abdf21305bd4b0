#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The catch clauses of a try statement.
class ListaCatchova : public ParserBase {
public:
    std::vector<ParserBase*> items;  // Catch nodes

    ListaCatchova(ParserBase* list, ParserBase* item);
    explicit ListaCatchova(ParserBase* item);
    ~ListaCatchova() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 96;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void append(ParserBase* item);
};

}  // namespace php
