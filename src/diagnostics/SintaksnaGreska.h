#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A syntax error; `replaceable` marks one that a later error at the same place may replace.
class SintaksnaGreska : public Greska {
public:
    const uint8_t replaceable;
    const std::string text;

    SintaksnaGreska(uint8_t replaceable, const std::string& text, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
