#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// Comma-separated expressions (echo arguments, for headers).
class ListaIzraza : public ParserBase {
public:
    std::vector<ParserBase*> items;  // expressions

    ListaIzraza(ParserBase* list, const char* commaText, const Location& commaLoc,
                ParserBase* item);
    explicit ListaIzraza(ParserBase* item);
    ~ListaIzraza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 107;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void append(ParserBase* item);
};

}  // namespace php
