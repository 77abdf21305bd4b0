#include "diagnostics/RazlicitiReturnoviUFunkciji.h"

namespace php::greske {

RazlicitiReturnoviUFunkciji::RazlicitiReturnoviUFunkciji(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string RazlicitiReturnoviUFunkciji::render() const {
    return prefix() + "Some code paths in '" + name + "' return value, some don't";
}

}  // namespace php::greske
