#include "diagnostics/SintaksnaGreska.h"

namespace php::greske {

SintaksnaGreska::SintaksnaGreska(uint8_t replaceable, const std::string& text, const std::string& file, int32_t line)
    : Greska(file, line), replaceable(replaceable), text(text) {}

std::string SintaksnaGreska::render() const { return prefix() + "[PARSER] " + text; }

}  // namespace php::greske
