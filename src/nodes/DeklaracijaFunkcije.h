#pragma once
#include <vector>

#include "model/UtilFunkcija.h"
#include "tree/ParserBase.h"

namespace php {

// A function declaration: its header (`header`, a GlavaFunkcije) and its
// body (`body`, the statement list of the block; null for "{}").
class DeklaracijaFunkcije : public ParserBase, public UtilFunkcija {
public:
    DeklaracijaFunkcije(ParserBase* glavaFunkcije, ParserBase* blokKomanda);
    ~DeklaracijaFunkcije() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 39; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    bool isAutoload() const;
};

}  // namespace php
