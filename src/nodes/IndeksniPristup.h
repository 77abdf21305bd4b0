#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// A variable name with zero or more "[...]" or "{...}" indexes. An empty
// index ("$a[]") is kept as a null entry: it is not linked or checked but
// counts as an index.
class IndeksniPristup : public ParserBase {
public:
    ParserBase* variable = nullptr;
    NodeVector items;  // almost always empty: one word

    explicit IndeksniPristup(ParserBase* name);
    // IndeksniPristup "[" Ofset "]" and IndeksniPristup "{" Izraz "}"
    IndeksniPristup(ParserBase* previous, const char* open, const Location& openLocation, ParserBase* index,
                    const char* close, const Location& closeLocation);
    ~IndeksniPristup() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 78;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

    // The stored Value of variable `name` as seen from `at`: a built-in
    // global, else the enclosing scope's entry. A name the scope does not
    // know is reported (a missing "global" when the file has it, else an
    // undeclared variable) and entered there.
    static Value* storedVariable(ParserBase* at, const std::string& name);
};

}  // namespace php
