#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A method called by class name, "Class::method(args)".
class PozivStatickogMetoda : public ParserBase {
public:
    ParserBase* classRef = nullptr;  // an FqImeKlase
    std::string methodName;
    ParserBase* arguments = nullptr;  // an ArgumentiFunkcije

    PozivStatickogMetoda(ParserBase* classRef, const char* colons, const Location& loc, ParserBase* method,
                         ParserBase* arguments);
    ~PozivStatickogMetoda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 153; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
