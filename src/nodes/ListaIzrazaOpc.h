#pragma once
#include "tree/ParserBase.h"

namespace php {

// An optional expression list; dissolves into the list.
class ListaIzrazaOpc : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit ListaIzrazaOpc(ParserBase* list);
    ~ListaIzrazaOpc() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 108; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
