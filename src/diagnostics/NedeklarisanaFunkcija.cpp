#include "diagnostics/NedeklarisanaFunkcija.h"

namespace php::greske {

NedeklarisanaFunkcija::NedeklarisanaFunkcija(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedeklarisanaFunkcija::render() const { return prefix() + "Undeclared function '" + name + "'"; }

}  // namespace php::greske
