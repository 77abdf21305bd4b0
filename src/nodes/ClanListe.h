#pragma once
#include "tree/ParserBase.h"

namespace php {

// One member of `list(...)`: a variable or a nested `list(...)`.
class ClanListe : public ParserBase {
public:
    ParserBase* inner = nullptr;

    explicit ClanListe(ParserBase* inner);
    ~ClanListe() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 23; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
