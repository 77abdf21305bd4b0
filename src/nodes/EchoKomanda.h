#pragma once
#include "tree/ParserBase.h"

namespace php {

// `echo a, b, ...;`
class EchoKomanda : public ParserBase {
public:
    ParserBase* expressions = nullptr;  // a ListaIzraza

    EchoKomanda(const char* keyword, const Location& keywordLocation, ParserBase* expressions,
                ParserBase* terminator);
    ~EchoKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 56; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
