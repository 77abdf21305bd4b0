#include "diagnostics/PogresanPristupMetoduIzInterfejsa.h"

namespace php::greske {

PogresanPristupMetoduIzInterfejsa::PogresanPristupMetoduIzInterfejsa(int32_t prevLine, const std::string& prevFile,
                                                                     const std::string& method,
                                                                     const std::string& interface,
                                                                     const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), method(method), interface(interface) {}

std::string PogresanPristupMetoduIzInterfejsa::render() const {
    std::string text = prefix() + "Method '" + method + "' declared in '" + interface + "' is not public";
    if (prevLine < 1) return text;
    return text + "\n\t" + locationText(prevFile, prevLine) + ": Declaration of '" + interface + "'";
}

}  // namespace php::greske
