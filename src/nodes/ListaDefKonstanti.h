#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "NAME = value" items of one class const statement.
class ListaDefKonstanti : public ParserBase {
public:
    std::vector<ParserBase*> items;

    ListaDefKonstanti(ParserBase* list, const char* commaText, const Location& commaLoc, ParserBase* item);
    explicit ListaDefKonstanti(ParserBase* item);
    ~ListaDefKonstanti() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 100;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
