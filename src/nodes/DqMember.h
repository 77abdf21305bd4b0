#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// "$name->property" inside a string.
class DqMember : public ParserBase {
public:
    ParserBase* variable = nullptr;  // a Varijabla
    std::string property;

    DqMember(ParserBase* variable, const char* arrow, const Location& loc, ParserBase* property);
    ~DqMember() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 53; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    std::string variableName() const;
};

}  // namespace php
