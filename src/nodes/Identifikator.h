#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A bare name (any keyword but __halt_compiler is accepted after "$", "->",
// "::" and the like). Parents usually take the text and drop the node.
class Identifikator : public ParserBase {
public:
    std::string text;

    Identifikator(const char* text, const Location& loc);

    // The text of `node` when it is an Identifikator, else empty; deletes
    // `node` in either case.
    static std::string consume(ParserBase* node);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 71;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
