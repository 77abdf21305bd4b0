#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The members of an `array(...)` literal.
class ListaClanovaNiza : public ParserBase {
public:
    std::vector<ParserBase*> items;  // ClanNiza nodes

    explicit ListaClanovaNiza(ParserBase* item);
    // Extends the list: takes over the previous node's items and deletes it.
    ListaClanovaNiza(ParserBase* list, const char* comma, const Location& commaLocation,
                     ParserBase* item);
    ~ListaClanovaNiza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 98;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
