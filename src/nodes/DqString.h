#pragma once
#include "tree/ParserBase.h"

namespace php {

// A double-quoted string with interpolation.
class DqString : public ParserBase {
public:
    ParserBase* parts = nullptr;  // a ZnaciPodNavodnikom; null when empty

    DqString(const char* open, const Location& openLocation, ParserBase* parts, const char* close,
         const Location& closeLocation);
    ~DqString() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 55; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
