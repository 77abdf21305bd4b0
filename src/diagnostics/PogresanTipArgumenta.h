#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An argument of the wrong type; the declaration is shown when its line is known.
class PogresanTipArgumenta : public Greska {
public:
    const std::string expected;
    const int32_t position;
    const std::string function;
    const std::string declFile;
    const int32_t declLine;

    PogresanTipArgumenta(const std::string& expected, int32_t position, const std::string& function,
                         const std::string& declFile, int32_t declLine, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
