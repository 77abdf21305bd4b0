#include "diagnostics/NedefinisanaBaznaKlasa.h"

namespace php::greske {

NedefinisanaBaznaKlasa::NedefinisanaBaznaKlasa(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedefinisanaBaznaKlasa::render() const { return prefix() + "Undefined base class '" + name + "'"; }

}  // namespace php::greske
