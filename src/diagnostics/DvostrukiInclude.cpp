#include "diagnostics/DvostrukiInclude.h"

namespace php::greske {

DvostrukiInclude::DvostrukiInclude(int32_t prevLine, const std::string& prevFile, const std::string& path,
                                   const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), path(path) {}

std::string DvostrukiInclude::render() const {
    // The second line carries a space after the tab, unlike the other two-line messages.
    return prefix() + "File '" + path + "' is already included\n\t " + locationText(prevFile, prevLine) +
           ": Previous inclusion";
}

}  // namespace php::greske
