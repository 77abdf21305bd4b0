#include "diagnostics/NasledjivanjeIzFinalKlase.h"

namespace php::greske {

NasledjivanjeIzFinalKlase::NasledjivanjeIzFinalKlase(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NasledjivanjeIzFinalKlase::render() const {
    return prefix() + "Base class '" + name + "' is defined as FINAL";
}

}  // namespace php::greske
