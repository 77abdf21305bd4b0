#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The content of an interpolating string: text parts (ObicniZnaci) and
// interpolation nodes, in one flat vector. It has no location of its own.
class ZnaciPodNavodnikom : public ParserBase {
public:
    std::vector<ParserBase*> parts;

    // previous is null for the first part (the empty production)
    ZnaciPodNavodnikom(ParserBase* previous, ParserBase* part);
    ~ZnaciPodNavodnikom() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 197; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
