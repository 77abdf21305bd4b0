#pragma once
#include "tree/ParserBase.h"

namespace php {

// The bare keyword "use"; whatever follows it is a separate statement.
class UseKomanda : public ParserBase {
public:
    UseKomanda(const char* useText, const Location& useLoc);

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 192; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
