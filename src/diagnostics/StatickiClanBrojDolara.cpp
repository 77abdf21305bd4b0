#include "diagnostics/StatickiClanBrojDolara.h"

namespace php::greske {

StatickiClanBrojDolara::StatickiClanBrojDolara(const std::string& file, int32_t line) : Greska(file, line) {}

std::string StatickiClanBrojDolara::render() const { return prefix() + "Error in number of $s"; }

}  // namespace php::greske
