#include "diagnostics/NepostojeciMetod.h"

namespace php::greske {

NepostojeciMetod::NepostojeciMetod(const std::string& className, const std::string& member, const std::string& file,
                                   int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NepostojeciMetod::render() const {
    if (className.empty()) return prefix() + "Undeclared method '" + member + "'";
    return prefix() + "Undeclared method '" + member + "' in class '" + className + "'";
}

}  // namespace php::greske
