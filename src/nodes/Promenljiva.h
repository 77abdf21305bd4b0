#pragma once
#include "tree/ParserBase.h"

namespace php {

// An object chain "$o->a->b(...)" or "f()->a": a base (a call or a variable,
// exactly one is set) followed by its "->" steps. Without steps the node
// dissolves into its base when adopted.
class Promenljiva : public ParserBase {
public:
    ParserBase* chain = nullptr;         // an AtributiVarijable
    ParserBase* callBase = nullptr;      // a call node
    ParserBase* variableBase = nullptr;  // a NeobjektnaPromenljiva or StatickiClan

    // OsnovnaPromenljiva AtributiVarijable and FunkcijskiPoziv AtributiVarijable
    Promenljiva(ParserBase* base, ParserBase* steps);
    ~Promenljiva() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 157; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void checkFirstMember(const NameRecord* objectRead);
};

}  // namespace php
