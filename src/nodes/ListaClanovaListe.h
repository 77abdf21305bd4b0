#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The members of `list(...)`; an empty member is a null item.
class ListaClanovaListe : public ParserBase {
public:
    std::vector<ParserBase*> items;  // ClanListe nodes

    explicit ListaClanovaListe(ParserBase* item);
    // Extends the list: takes over the previous node's items and deletes it.
    ListaClanovaListe(ParserBase* list, const char* comma, const Location& commaLocation,
                      ParserBase* item);
    ~ListaClanovaListe() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 97;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
