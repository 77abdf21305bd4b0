#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The members of a constant `array(...)`.
class ListaClanovaStatickogNiza : public ParserBase {
public:
    std::vector<ParserBase*> items;  // ClanStatickogNiza nodes

    explicit ListaClanovaStatickogNiza(ParserBase* item);
    // Extends the list: takes over the previous node's items and deletes it.
    ListaClanovaStatickogNiza(ParserBase* list, const char* comma, const Location& commaLocation,
                              ParserBase* item);
    ~ListaClanovaStatickogNiza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 99;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
