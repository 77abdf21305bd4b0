#include "diagnostics/NedefinisanInterfejs.h"

namespace php::greske {

NedefinisanInterfejs::NedefinisanInterfejs(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedefinisanInterfejs::render() const { return prefix() + "Undefined interface '" + name + "'"; }

}  // namespace php::greske
