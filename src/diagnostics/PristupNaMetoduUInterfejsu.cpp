#include "diagnostics/PristupNaMetoduUInterfejsu.h"

namespace php::greske {

PristupNaMetoduUInterfejsu::PristupNaMetoduUInterfejsu(const std::string& file, int32_t line) : Greska(file, line) {}

std::string PristupNaMetoduUInterfejsu::render() const {
    return prefix() + "[PARSER] Interface methods can't have access specification";
}

}  // namespace php::greske
