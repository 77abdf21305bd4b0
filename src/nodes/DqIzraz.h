#pragma once
#include "tree/ParserBase.h"

namespace php {

// "${expression}" inside a string.
class DqIzraz : public ParserBase {
public:
    ParserBase* expression = nullptr;

    DqIzraz(const char* open, const Location& loc, ParserBase* expression, const char* close,
            const Location& closeLocation);
    ~DqIzraz() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    static constexpr int Kind = 52;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
