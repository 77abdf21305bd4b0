#include "diagnostics/FaliGlobal.h"

namespace php::greske {

FaliGlobal::FaliGlobal(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string FaliGlobal::render() const {
    return prefix() + "Uninitialized variable '" + name + "', or missing 'global' to refer to global variable";
}

}  // namespace php::greske
