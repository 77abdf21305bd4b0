#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// The declarators of a static statement.
class StaticLista : public ParserBase {
public:
    std::vector<ParserBase*> items;  // StaticDeklarator nodes

    StaticLista(ParserBase* list, const char* commaText, const Location& commaLoc,
                ParserBase* item);
    explicit StaticLista(ParserBase* item);
    ~StaticLista() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 178;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    void append(ParserBase* item);
};

}  // namespace php
