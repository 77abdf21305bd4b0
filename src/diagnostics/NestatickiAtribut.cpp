#include "diagnostics/NestatickiAtribut.h"

namespace php::greske {

NestatickiAtribut::NestatickiAtribut(const std::string& className, const std::string& member, const std::string& file,
                                     int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NestatickiAtribut::render() const {
    return prefix() + "Property '" + member + "' of class '" + className + "' is not declared STATIC";
}

}  // namespace php::greske
