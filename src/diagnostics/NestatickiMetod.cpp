#include "diagnostics/NestatickiMetod.h"

namespace php::greske {

NestatickiMetod::NestatickiMetod(const std::string& className, const std::string& member, const std::string& file,
                                 int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NestatickiMetod::render() const {
    return prefix() + "Method '" + member + "' of class '" + className + "' is not declared STATIC";
}

}  // namespace php::greske
