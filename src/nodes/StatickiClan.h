#pragma once
#include "tree/ParserBase.h"

namespace php {

// A static member "Class::$name" or "Class::$$v".
class StatickiClan : public ParserBase {
public:
    ParserBase* classRef = nullptr;  // an FqImeKlase
    ParserBase* member = nullptr;    // a NeobjektnaPromenljiva

    StatickiClan(ParserBase* classRef, const char* colons, const Location& loc, ParserBase* member);
    ~StatickiClan() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 174; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
