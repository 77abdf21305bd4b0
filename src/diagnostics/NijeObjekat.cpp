#include "diagnostics/NijeObjekat.h"

namespace php::greske {

NijeObjekat::NijeObjekat(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NijeObjekat::render() const { return prefix() + "'" + name + "' is not object"; }

}  // namespace php::greske
