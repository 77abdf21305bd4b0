#pragma once
#include "tree/ParserBase.h"

namespace php {

// An array element written as an expression or as a reference `&$x`. A parent
// adopting it takes whichever is present.
class IzrazIliReferenca : public ParserBase {
public:
    ParserBase* expression = nullptr;
    ParserBase* reference = nullptr;

    // Takes an expression or a `Referenca`; the two are told apart by type.
    explicit IzrazIliReferenca(ParserBase* inner);
    ~IzrazIliReferenca() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    Value staticValue() override;
    int kind() const override { return 87; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    ParserBase* present() const { return expression ? expression : reference; }
};

}  // namespace php
