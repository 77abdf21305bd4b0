#pragma once
#include "tree/ParserBase.h"

namespace php {

// One member of a constant `array(...)`: `value` or `key => value`.
class ClanStatickogNiza : public ParserBase {
public:
    ParserBase* value = nullptr;  // a constant scalar
    ParserBase* key = nullptr;

    explicit ClanStatickogNiza(ParserBase* value);
    ClanStatickogNiza(ParserBase* key, const char* arrow, const Location& arrowLocation,
                      ParserBase* value);
    ~ClanStatickogNiza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 25; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
