#include "diagnostics/NepostojecaKlasnaKonstanta.h"

namespace php::greske {

NepostojecaKlasnaKonstanta::NepostojecaKlasnaKonstanta(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NepostojecaKlasnaKonstanta::render() const { return prefix() + "Undefined constant '" + name + "'"; }

}  // namespace php::greske
