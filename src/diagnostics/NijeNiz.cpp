#include "diagnostics/NijeNiz.h"

namespace php::greske {

NijeNiz::NijeNiz(const std::string& name, const std::string& file, int32_t line) : Greska(file, line), name(name) {}

std::string NijeNiz::render() const { return prefix() + "'" + name + "' is not array nor implements ArrayAccess"; }

}  // namespace php::greske
