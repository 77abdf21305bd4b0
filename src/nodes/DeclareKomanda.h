#pragma once
#include "tree/ParserBase.h"

namespace php {

// declare (directives) statement
class DeclareKomanda : public ParserBase {
public:
    ParserBase* directives = nullptr;  // a ListaDeklaracija
    ParserBase* body = nullptr;        // a DeclareNaredba

    DeclareKomanda(const char* declareText, const Location& declareLoc, const char* openText,
                   const Location& openLoc, ParserBase* list, const char* closeText,
                   const Location& closeLoc, ParserBase* statement);
    ~DeclareKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 27; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
