#include "diagnostics/NedozvoljenTipUDeklaracijiParametra.h"

namespace php::greske {

NedozvoljenTipUDeklaracijiParametra::NedozvoljenTipUDeklaracijiParametra(const std::string& name,
                                                                         const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedozvoljenTipUDeklaracijiParametra::render() const {
    return prefix() + "'" + name + "' is not allowed as parameter type (allowed only 'array' or class name)";
}

}  // namespace php::greske
