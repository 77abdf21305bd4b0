#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The "->" steps of a class name taken from an object expression.
class AtributiImenaKlase : public ParserBase {
public:
    std::vector<ParserBase*> items;

    // previous is null for the first item (the empty production)
    AtributiImenaKlase(ParserBase* previous, const char* arrow, const Location& arrowLocation, ParserBase* item);
    ~AtributiImenaKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 3;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void locateAtFirstItem();
};

}  // namespace php
