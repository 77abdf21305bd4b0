#include "diagnostics/PromenaPristupaNasledjenomMetodu.h"

namespace php::greske {

PromenaPristupaNasledjenomMetodu::PromenaPristupaNasledjenomMetodu(int32_t prevLine, const std::string& prevFile,
                                                                   const std::string& method,
                                                                   const std::string& baseClass,
                                                                   const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), method(method), baseClass(baseClass) {}

std::string PromenaPristupaNasledjenomMetodu::render() const {
    std::string text = prefix() + "Access change for method '" + method + "' inherited from '" + baseClass + "'";
    if (prevLine < 1) return text;
    return text + "\n\t" + locationText(prevFile, prevLine) + ": Declaration of '" + baseClass + "'";
}

}  // namespace php::greske
