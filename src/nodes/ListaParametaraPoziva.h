#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The comma-separated arguments of a call.
class ListaParametaraPoziva : public ParserBase {
public:
    std::vector<ParserBase*> items;

    explicit ListaParametaraPoziva(ParserBase* first);
    ListaParametaraPoziva(ParserBase* previous, const char* comma, const Location& commaLocation, ParserBase* item);
    ~ListaParametaraPoziva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    // One Value per item, each the item's static value.
    std::vector<Value> argumentValues();
    // Positions whose parameter the callee takes by reference: a plain
    // variable passed there is assigned by the call, not read.
    std::vector<bool> byReference;
    static constexpr int Kind = 111;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void locateAtFirstItem();
};

}  // namespace php
