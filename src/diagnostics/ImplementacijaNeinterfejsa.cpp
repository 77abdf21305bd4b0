#include "diagnostics/ImplementacijaNeinterfejsa.h"

namespace php::greske {

ImplementacijaNeinterfejsa::ImplementacijaNeinterfejsa(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string ImplementacijaNeinterfejsa::render() const { return prefix() + "'" + name + "' is not interface"; }

}  // namespace php::greske
