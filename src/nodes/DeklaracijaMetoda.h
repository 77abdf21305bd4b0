#pragma once
#include <cstdint>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// A method declaration of an interface: "[access] [static] function f(...);".
// The modifier nodes are read into fields and dropped.
class DeklaracijaMetoda : public ParserBase {
public:
    ParserBase* header = nullptr;  // GlavaFunkcije
    int32_t access = 0;            // as written: 0 public, 1 private, 2 protected
    bool accessWritten = false;    // an interface method may not carry one
    bool isStatic = false;

    DeklaracijaMetoda(ParserBase* pristupAtributu, ParserBase* linkAtributa, ParserBase* glavaFunkcije,
                      ParserBase* krajNaredbe);
    ~DeklaracijaMetoda() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 42;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
