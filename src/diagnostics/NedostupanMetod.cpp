#include "diagnostics/NedostupanMetod.h"

namespace php::greske {

NedostupanMetod::NedostupanMetod(const std::string& className, const std::string& member, const std::string& file,
                                 int32_t line)
    : Greska(file, line), className(className), member(member) {}

std::string NedostupanMetod::render() const {
    return prefix() + "Method '" + member + "' of '" + className + "' is not accessible";
}

}  // namespace php::greske
