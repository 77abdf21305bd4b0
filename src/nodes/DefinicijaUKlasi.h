#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// One member of a class body: a property, constant or method declaration.
class DefinicijaUKlasi : public ParserBase {
public:
    ParserBase* inner = nullptr;  // the member declaration

    explicit DefinicijaUKlasi(ParserBase* member);
    ~DefinicijaUKlasi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 34;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
