#include "diagnostics/NeimplementiranMetodIzInterfejsa.h"

namespace php::greske {

NeimplementiranMetodIzInterfejsa::NeimplementiranMetodIzInterfejsa(int32_t prevLine, const std::string& prevFile,
                                                                   const std::string& method,
                                                                   const std::string& interface,
                                                                   const std::string& file, int32_t line)
    : Greska(file, line), prevLine(prevLine), prevFile(prevFile), method(method), interface(interface) {}

std::string NeimplementiranMetodIzInterfejsa::render() const {
    std::string text =
        prefix() + "Method '" + method + "' declared in interface '" + interface + "' is not implemented";
    if (prevLine < 1) return text;
    return text + "\n\t" + locationText(prevFile, prevLine) + ": Definition for '" + interface + "'";
}

}  // namespace php::greske
