#pragma once
#include "tree/ParserBase.h"

namespace php {

// A here-document.
class HereDoc : public ParserBase {
public:
    ParserBase* parts = nullptr;  // a ZnaciPodNavodnikom; null when empty

    HereDoc(const char* open, const Location& openLocation, ParserBase* parts, const char* close,
         const Location& closeLocation);
    ~HereDoc() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 69; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
