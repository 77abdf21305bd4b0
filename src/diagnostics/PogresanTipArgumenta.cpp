#include "diagnostics/PogresanTipArgumenta.h"

namespace php::greske {

PogresanTipArgumenta::PogresanTipArgumenta(const std::string& expected, int32_t position, const std::string& function,
                                           const std::string& declFile, int32_t declLine, const std::string& file,
                                           int32_t line)
    : Greska(file, line),
      expected(expected),
      position(position),
      function(function),
      declFile(declFile),
      declLine(declLine) {}

std::string PogresanTipArgumenta::render() const {
    if (function.empty()) return prefix() + "Wrong type of argument";
    std::string text =
        prefix() + "Argument " + std::to_string(position) + " for '" + function + "' - expected '" + expected + "'";
    if (declLine < 1) return text;
    return text + "\n\t" + locationText(declFile, declLine) + ": Declaration of '" + function + "'";
}

}  // namespace php::greske
