#include "diagnostics/FunkcijskiPozivUUslovuPetlje.h"

namespace php::greske {

FunkcijskiPozivUUslovuPetlje::FunkcijskiPozivUUslovuPetlje(const std::string& file, int32_t line)
    : Greska(file, line) {}

std::string FunkcijskiPozivUUslovuPetlje::render() const {
    return prefix() + "Performance - function called in condition part of loop";
}

}  // namespace php::greske
