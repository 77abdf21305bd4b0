#pragma once
#include "tree/ParserBase.h"

namespace php {

// `x instanceof C`.
class Instanca : public ParserBase {
public:
    ParserBase* subject = nullptr;
    ParserBase* classRef = nullptr;  // the class-name node

    Instanca(ParserBase* subject, const char* op, const Location& opLocation, ParserBase* classRef);
    ~Instanca() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 80; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
