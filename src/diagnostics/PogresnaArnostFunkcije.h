#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A call with the wrong number of arguments.
class PogresnaArnostFunkcije : public Greska {
public:
    const std::string function;
    const int32_t expectedCount;
    const int32_t passedCount;
    const std::string declFile;
    const int32_t declLine;

    PogresnaArnostFunkcije(const std::string& function, int32_t expectedCount, int32_t passedCount,
                           const std::string& declFile, int32_t declLine, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
