#pragma once
#include <cstdint>

#include "tree/ParserBase.h"

namespace php {

// The index of "$name[index]" inside a string: a Konstanta (a bare name), a
// Varijabla, or an integer literal.
class OfsetPodNavodnikom : public ParserBase {
public:
    // Held instead of a number when the index is a name or a variable.
    static constexpr int64_t notANumber = -19781708;

    ParserBase* child = nullptr;
    int64_t value = notANumber;

    explicit OfsetPodNavodnikom(ParserBase* child);
    OfsetPodNavodnikom(const char* number, const Location& loc);
    ~OfsetPodNavodnikom() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 137; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
