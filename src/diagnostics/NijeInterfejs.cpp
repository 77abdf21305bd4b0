#include "diagnostics/NijeInterfejs.h"

namespace php::greske {

NijeInterfejs::NijeInterfejs(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NijeInterfejs::render() const { return prefix() + "'" + name + "' is not interface"; }

}  // namespace php::greske
