#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// The visibility modifier of a property declaration; public without a token.
class PristupAtributu : public ParserBase {
public:
    uint8_t isPublic = 1;
    uint8_t isPrivate = 0;
    uint8_t isProtected = 0;

    PristupAtributu();
    PristupAtributu(const char* modifier, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 156;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
