#pragma once
#include "tree/ParserBase.h"

namespace php {

// `list(...)` as the target of an assignment.
class DefinicijaListe : public ParserBase {
public:
    ParserBase* members = nullptr;  // a ListaClanovaListe

    DefinicijaListe(const char* keyword, const Location& keywordLocation, const char* open,
                    const Location& openLocation, ParserBase* members, const char* close,
                    const Location& closeLocation);
    ~DefinicijaListe() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 31;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
