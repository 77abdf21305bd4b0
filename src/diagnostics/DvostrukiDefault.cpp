#include "diagnostics/DvostrukiDefault.h"

namespace php::greske {

DvostrukiDefault::DvostrukiDefault(int32_t prevLine, const std::string& prevFile, const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile) {}

std::string DvostrukiDefault::render() const {
    return prefix() + "Default label already defined\n\t" + locationText(prevFile, prevLine) + ": Previous definition";
}

}  // namespace php::greske
