#include "diagnostics/NepostojeciAtribut.h"

namespace php::greske {

NepostojeciAtribut::NepostojeciAtribut(const std::string& className, const std::string& member, const std::string& file,
                                       int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NepostojeciAtribut::render() const {
    if (className.empty()) return prefix() + "Undeclared property '" + member + "'";
    return prefix() + "Undeclared property '" + member + "' in class '" + className + "'";
}

}  // namespace php::greske
