#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A call of a named function, "name(args)".
class PozivKlasicneFunkcije : public ParserBase {
public:
    std::string name;                 // as written
    ParserBase* arguments = nullptr;  // an ArgumentiFunkcije

    PozivKlasicneFunkcije(const char* name, const Location& loc, ParserBase* arguments);
    ~PozivKlasicneFunkcije() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 151; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
