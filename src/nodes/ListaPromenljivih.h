#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// Variables separated by commas (global, unset, isset).
class ListaPromenljivih : public ParserBase {
public:
    std::vector<ParserBase*> items;

    explicit ListaPromenljivih(ParserBase* first);
    ListaPromenljivih(ParserBase* previous, const char* comma, const Location& commaLocation, ParserBase* item);
    ~ListaPromenljivih() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 112;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void locateAtFirstItem();
};

}  // namespace php
