#pragma once
#include "tree/ParserBase.h"

namespace php {

// The member name of a "->" step: "->$v" (dynamic) or "->name", "->name[...]"
// (plain); exactly one is set.
class AtributObjekta : public ParserBase {
public:
    ParserBase* dynamicName = nullptr;  // a NeobjektnaPromenljiva
    ParserBase* plainName = nullptr;    // an IndeksniPristup

    explicit AtributObjekta(ParserBase* name);
    ~AtributObjekta() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 5;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
