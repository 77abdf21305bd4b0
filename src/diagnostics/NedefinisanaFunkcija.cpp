#include "diagnostics/NedefinisanaFunkcija.h"

namespace php::greske {

NedefinisanaFunkcija::NedefinisanaFunkcija(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedefinisanaFunkcija::render() const { return prefix() + "Unimplemented function '" + name + "'"; }

}  // namespace php::greske
