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
    static constexpr int Kind = 36;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
