#pragma once
#include "tree/ParserBase.h"

namespace php {

// One member of an `array(...)` literal: `value` or `key => value`.
class ClanNiza : public ParserBase {
public:
    ParserBase* value = nullptr;  // an expression or a reference
    ParserBase* key = nullptr;

    explicit ClanNiza(ParserBase* value);
    ClanNiza(ParserBase* key, const char* arrow, const Location& arrowLocation, ParserBase* value);
    ~ClanNiza() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 24; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
