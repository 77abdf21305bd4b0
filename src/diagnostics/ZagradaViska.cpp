#include "diagnostics/ZagradaViska.h"

namespace php::greske {

ZagradaViska::ZagradaViska(char bracket, const std::string& file, int32_t line)
    : Greska(file, line), bracket(bracket) {}

std::string ZagradaViska::render() const { return prefix() + "[PARSER] One '" + bracket + "' too much"; }

}  // namespace php::greske
