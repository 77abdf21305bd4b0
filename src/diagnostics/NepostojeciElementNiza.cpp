#include "diagnostics/NepostojeciElementNiza.h"

namespace php::greske {

NepostojeciElementNiza::NepostojeciElementNiza(const std::string& file, int32_t line) : Greska(file, line) {}

std::string NepostojeciElementNiza::render() const { return prefix() + "Non-existent member of array"; }

}  // namespace php::greske
