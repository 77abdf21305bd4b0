#include "diagnostics/PogresnaArnostFunkcije.h"

namespace php::greske {

PogresnaArnostFunkcije::PogresnaArnostFunkcije(const std::string& function, int32_t expectedCount, int32_t passedCount,
                                               const std::string& declFile, int32_t declLine, const std::string& file,
                                               int32_t line)
    : Greska(file, line),
      function(function),
      expectedCount(expectedCount),
      passedCount(passedCount),
      declFile(declFile),
      declLine(declLine) {}

std::string PogresnaArnostFunkcije::render() const {
    std::string text = prefix() + "Wrong number of parameters for '" + function + "' (expected " +
                       std::to_string(expectedCount) + " passed " + std::to_string(passedCount) + ")";
    if (declLine < 1) return text;
    return text + "\n\t" + locationText(declFile, declLine) + ": Declaration of '" + function + "'";
}

}  // namespace php::greske
