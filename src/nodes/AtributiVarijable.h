#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "->" steps of an object chain, in source order.
class AtributiVarijable : public ParserBase {
public:
    std::vector<ParserBase*> items;

    // previous is null for the first item (the empty production)
    AtributiVarijable(ParserBase* previous, ParserBase* item);
    ~AtributiVarijable() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    // An empty chain dissolves into nothing.
    ParserBase* unwrap() override;
    static constexpr int Kind = 4;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void locateAtFirstItem();
};

}  // namespace php
