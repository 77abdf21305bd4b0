#pragma once
#include "tree/ParserBase.h"

namespace php {

// NAME = scalar: a declare directive, or a class constant (through DefKonstante).
class Deklarator : public ParserBase {
public:
    ParserBase* name = nullptr;   // a Konstanta
    ParserBase* value = nullptr;  // a static scalar

    Deklarator(ParserBase* constant, const char* assignText, const Location& assignLoc,
               ParserBase* scalar);
    ~Deklarator() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 45;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
