#include "diagnostics/NepoznataKlasa.h"

namespace php::greske {

NepoznataKlasa::NepoznataKlasa(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NepoznataKlasa::render() const { return prefix() + "Undefined class '" + name + "'"; }

}  // namespace php::greske
