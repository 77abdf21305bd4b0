#pragma once
#include "tree/ParserBase.h"

namespace php {

// The array literal `array(...)` in a constant context (default values, class
// constants). Both of its values are the empty array.
class StatickiNiz : public ParserBase {
public:
    ParserBase* members = nullptr;  // a ListaClanovaStatickogNiza, absent for `array()`

    StatickiNiz(const char* keyword, const Location& keywordLocation, const char* open,
                const Location& openLocation, ParserBase* members, ParserBase* trailingComma,
                const char* close, const Location& closeLocation);
    StatickiNiz(const char* keyword, const Location& keywordLocation, const char* open,
                const Location& openLocation, const char* close, const Location& closeLocation);
    ~StatickiNiz() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 175; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
