#pragma once
#include "tree/ParserBase.h"

namespace php {

// A backquoted (shell) string; its output is not known statically.
class BackqString : public ParserBase {
public:
    ParserBase* parts = nullptr;  // a ZnaciPodNavodnikom; null when empty

    BackqString(const char* open, const Location& openLocation, ParserBase* parts, const char* close,
         const Location& closeLocation);
    ~BackqString() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 7; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
