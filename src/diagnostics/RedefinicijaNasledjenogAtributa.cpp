#include "diagnostics/RedefinicijaNasledjenogAtributa.h"

namespace php::greske {

RedefinicijaNasledjenogAtributa::RedefinicijaNasledjenogAtributa(int32_t prevLine, const std::string& prevFile,
                                                                 const std::string& property,
                                                                 const std::string& baseClass, const std::string& file,
                                                                 int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), property(property), baseClass(baseClass) {}

std::string RedefinicijaNasledjenogAtributa::render() const {
    std::string text = prefix() + "Redefinition of property '" + property + "' inherited from '" + baseClass + "'";
    if (prevLine < 1) return text;
    return text + "\n\t" + locationText(prevFile, prevLine) + ": Declaration of '" + baseClass + "'";
}

}  // namespace php::greske
