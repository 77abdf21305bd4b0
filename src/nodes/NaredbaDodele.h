#pragma once
#include "tree/ParserBase.h"

namespace php {

// An assignment in one of its forms: `target = value`, the compound
// `target op= value`, `target = &reference`, `target = &new ...`
// (newReference), and `list(...) = value` (listTarget, with no target).
class NaredbaDodele : public ParserBase {
public:
    ParserBase* target = nullptr;
    ParserBase* listTarget = nullptr;  // a DefinicijaListe
    ParserBase* value = nullptr;
    ParserBase* reference = nullptr;     // a Referenca
    ParserBase* newReference = nullptr;  // a NaredbaNew
    // First character of the operator token: '=' for a plain assignment (and
    // for the reference, `&new` and list forms), '<' for `<<=`, '>' for `>>=`.
    char operatorChar = '=';

    // `Promenljiva op Izraz`, `Promenljiva = Referenca` and
    // `DefinicijaListe = Izraz`, told apart by the dynamic types of the operands.
    NaredbaDodele(ParserBase* left, const char* op, const Location& opLocation, ParserBase* right);
    // `Promenljiva = & NaredbaNew`
    NaredbaDodele(ParserBase* left, const char* op, const Location& opLocation,
                  const char* ampersand, const Location& ampersandLocation,
                  ParserBase* newExpression);
    ~NaredbaDodele() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 126; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
