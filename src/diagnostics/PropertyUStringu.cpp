#include "diagnostics/PropertyUStringu.h"

namespace php::greske {

PropertyUStringu::PropertyUStringu(const std::string& file, int32_t line) : Greska(file, line) {}

std::string PropertyUStringu::render() const {
    return prefix() + "[PARSER] Syntax error for property inside string (following '->')";
}

}  // namespace php::greske
