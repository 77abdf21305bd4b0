#include "diagnostics/NepostojeciFajl.h"

namespace php::greske {

NepostojeciFajl::NepostojeciFajl(const std::string& path, const std::string& file, int32_t line)
    : Greska(file, line), path(path) {}

std::string NepostojeciFajl::render() const { return prefix() + "Could not open '" + path + "'"; }

}  // namespace php::greske
