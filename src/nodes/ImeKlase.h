#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// The class name after "new" and "instanceof": a plain name, or a name taken
// from an object expression (then `name` is empty).
class ImeKlase : public ParserBase {
public:
    std::string name;
    ParserBase* dynamicName = nullptr;  // a DinamickoImeKlase

    // Identifikator or DinamickoImeKlase
    explicit ImeKlase(ParserBase* child);
    ~ImeKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 73;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
