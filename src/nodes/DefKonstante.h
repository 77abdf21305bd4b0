#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// One "NAME = value" item of a class const statement.
class DefKonstante : public ParserBase {
public:
    ParserBase* declarator = nullptr;  // Deklarator: the name and the value

    explicit DefKonstante(ParserBase* deklarator);
    ~DefKonstante() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 36; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
