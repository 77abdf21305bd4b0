#include "diagnostics/NedostizanKod.h"

namespace php::greske {

NedostizanKod::NedostizanKod(const std::string& file, int32_t line) : Greska(file, line) {}

std::string NedostizanKod::render() const { return prefix() + "Unreachable code"; }

}  // namespace php::greske
