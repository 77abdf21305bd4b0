#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Funkcija;

// "(args)" of a call.
class ArgumentiFunkcije : public ParserBase {
public:
    ParserBase* list = nullptr;  // a ListaParametaraPoziva; null for "()"

    ArgumentiFunkcije(const char* lparen, const Location& loc, ParserBase* list, const char* rparen,
                      const Location& rparenLocation);
    ~ArgumentiFunkcije() override;

    // One Value per argument, each its static value; empty without a list.
    std::vector<Value> argumentValues();
    // Marks the arguments that the callee's by-reference parameters assign.
    void passTo(const Funkcija* callee);
    // Runs the callee's call check on `arguments` (an ArgumentiFunkcije, or
    // null for none) for the call node `site`, at its file and first line;
    // returns the call's value. Without `values` the arguments are counted
    // but not evaluated (unknown values are never reported for their type).
    static Value call(ParserBase* arguments, Funkcija* callee, ParserBase* site, bool values = true);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 1;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
