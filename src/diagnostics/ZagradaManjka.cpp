#include "diagnostics/ZagradaManjka.h"

namespace php::greske {

ZagradaManjka::ZagradaManjka(char bracket, int32_t openLine, const std::string& file, int32_t line)
    : Greska(file, line), bracket(bracket), openLine(openLine) {}

std::string ZagradaManjka::render() const {
    // The opening bracket is always in the same file as the end of input.
    return prefix() + "[PARSER] Missing '" + bracket + "' for brace opened at\n\t" + locationText(file, openLine) +
           ": Opening line";
}

}  // namespace php::greske
