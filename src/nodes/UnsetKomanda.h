#pragma once
#include "tree/ParserBase.h"

namespace php {

// unset(list);
class UnsetKomanda : public ParserBase {
public:
    ParserBase* variables = nullptr;

    UnsetKomanda(const char* unsetText, const Location& unsetLoc, const char* openText,
                 const Location& openLoc, ParserBase* list, const char* closeText,
                 const Location& closeLoc, ParserBase* end);
    ~UnsetKomanda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 190; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
