#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// Class or interface names of an implements or interface-extends list.
class ListaKlasa : public ParserBase {
public:
    std::vector<ParserBase*> items;

    ListaKlasa(ParserBase* list, const char* commaText, const Location& commaLoc, ParserBase* item);
    explicit ListaKlasa(ParserBase* item);
    ~ListaKlasa() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 109;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void takeOver(ParserBase* previous);
    void append(ParserBase* item);
};

}  // namespace php
