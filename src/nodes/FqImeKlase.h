#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A class name written as a bare name (Class::…, catch, extends, implements).
class FqImeKlase : public ParserBase {
public:
    std::string name;

    FqImeKlase(const char* name, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 65; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
