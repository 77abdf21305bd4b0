#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// One statement or declaration of a statement list; dissolves on adoption.
class Naredba : public ParserBase {
public:
    ParserBase* inner = nullptr;
    uint8_t terminates = 0;

    explicit Naredba(ParserBase* statement);
    // The form made from a location alone, which counts as a terminator.
    explicit Naredba(const Location& loc);
    ~Naredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    static constexpr int Kind = 124;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return terminates != 0; }
};

}  // namespace php
