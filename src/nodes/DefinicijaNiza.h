#pragma once
#include "tree/ParserBase.h"

namespace php {

// The array literal `array(...)`. Its elements are not folded into its values.
class DefinicijaNiza : public ParserBase {
public:
    ParserBase* members = nullptr;  // a ListaClanovaNiza, absent for `array()`

    DefinicijaNiza(const char* keyword, const Location& keywordLocation, const char* open,
                   const Location& openLocation, ParserBase* members, ParserBase* trailingComma,
                   const char* close, const Location& closeLocation);
    DefinicijaNiza(const char* keyword, const Location& keywordLocation, const char* open,
                   const Location& openLocation, const char* close, const Location& closeLocation);
    ~DefinicijaNiza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 33; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
