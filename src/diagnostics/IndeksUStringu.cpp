#include "diagnostics/IndeksUStringu.h"

namespace php::greske {

IndeksUStringu::IndeksUStringu(const std::string& file, int32_t line) : Greska(file, line) {}

std::string IndeksUStringu::render() const {
    return prefix() + "[PARSER] Syntax error for index within string (allowed only ID, variable or number)";
}

}  // namespace php::greske
