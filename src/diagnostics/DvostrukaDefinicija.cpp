#include "diagnostics/DvostrukaDefinicija.h"

namespace php::greske {

DvostrukaDefinicija::DvostrukaDefinicija(int32_t prevLine, const std::string& prevFile, const std::string& name,
                                         const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), name(name) {}

std::string DvostrukaDefinicija::render() const {
    if (prevLine < 1) return prefix() + "Redefinition of system symbol'" + name + "'";
    return prefix() + "Redefinition of '" + name + "'\n\t" + locationText(prevFile, prevLine) + ": Previous definition";
}

}  // namespace php::greske
