#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The members of a class body: properties, constants and methods.
class DefinicijeUKlasi : public ParserBase {
public:
    std::vector<ParserBase*> items;

    DefinicijeUKlasi(ParserBase* list, ParserBase* item);
    ~DefinicijeUKlasi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    static constexpr int Kind = 35;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
