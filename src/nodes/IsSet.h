#pragma once
#include "tree/ParserBase.h"

namespace php {

// `isset(list)`.
class IsSet : public ParserBase {
public:
    ParserBase* variables = nullptr;  // a ListaPromenljivih

    IsSet(const char* keyword, const Location& keywordLocation, const char* open,
          const Location& openLocation, ParserBase* variables, const char* close,
          const Location& closeLocation);
    ~IsSet() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 84; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
