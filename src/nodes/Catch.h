#pragma once
#include "tree/ParserBase.h"

namespace php {

// catch (ClassName $variable) { statements }
class Catch : public ParserBase {
public:
    ParserBase* className = nullptr;  // a FqImeKlase
    ParserBase* variable = nullptr;   // a Varijabla
    ParserBase* statements = nullptr;

    Catch(const char* catchText, const Location& catchLoc, const char* openText,
          const Location& openLoc, ParserBase* name, ParserBase* var, const char* closeText,
          const Location& closeLoc, const char* lbraceText, const Location& lbraceLoc,
          ParserBase* list, const char* rbraceText, const Location& rbraceLoc);
    ~Catch() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 22; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
