#include "diagnostics/NedostupanAtribut.h"

namespace php::greske {

NedostupanAtribut::NedostupanAtribut(const std::string& className, const std::string& member, const std::string& file,
                                     int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NedostupanAtribut::render() const {
    return prefix() + "Property '" + member + "' of '" + className + "' is not accessible";
}

}  // namespace php::greske
