#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The name = value directives inside declare(...).
class ListaDeklaracija : public ParserBase {
public:
    std::vector<ParserBase*> items;  // Deklarator nodes

    ListaDeklaracija(ParserBase* list, const char* commaText, const Location& commaLoc,
                     ParserBase* item);
    explicit ListaDeklaracija(ParserBase* item);
    ~ListaDeklaracija() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 101;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void append(ParserBase* item);
};

}  // namespace php
