#pragma once
#include "tree/ParserBase.h"

namespace php {

// A class constant used as "Class::NAME".
class KlasnaKonstanta : public ParserBase {
public:
    ParserBase* classRef = nullptr;  // an FqImeKlase
    ParserBase* constant = nullptr;  // a Konstanta

    KlasnaKonstanta(ParserBase* classRef, const char* colons, const Location& loc, ParserBase* constant);
    ~KlasnaKonstanta() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 90;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
