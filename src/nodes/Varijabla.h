#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A simple variable "$name" in a declaration position, or inside a string.
// `name` is stored without the "$".
class Varijabla : public ParserBase {
public:
    std::string name;

    // "$" Identifikator
    Varijabla(const char* dollar, const Location& loc, ParserBase* identifier);
    // T_VARIABLE, the text including its "$"
    Varijabla(const char* variable, const Location& loc);

    // The variable's Value in the scope of `at`, converted to the type of
    // its reaching definition.
    static Value staticValueOf(ParserBase* at, const std::string& name);
    // enclosingScope() of `at` during check, remembered in every node of the
    // walk so that reads deep in a chain do not walk to the owner each time.
    static SymbolTable* enclosingScopeOfRead(ParserBase* at);
    // The scope `name` lives in, seen from `at`: the global built-in scope
    // for a built-in global, else `at`'s enclosing scope, where the name is
    // entered (placed at `at`) on its first occurrence.
    static SymbolTable* scopeFor(ParserBase* at, const std::string& name);
    // Adds the pending read of `name` at `at` (a record in `scopeFor`).
    static void recordRead(ParserBase* at, InternedText name);

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    static constexpr int Kind = 193;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
