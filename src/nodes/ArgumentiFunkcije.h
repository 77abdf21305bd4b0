#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// "(args)" of a call.
class ArgumentiFunkcije : public ParserBase {
public:
    ParserBase* list = nullptr;  // a ListaParametaraPoziva; null for "()"

    ArgumentiFunkcije(const char* lparen, const Location& loc, ParserBase* list, const char* rparen,
                      const Location& rparenLocation);
    ~ArgumentiFunkcije() override;

    // One Value per argument, each its static value; empty without a list.
    std::vector<Value> argumentValues();

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 1; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
