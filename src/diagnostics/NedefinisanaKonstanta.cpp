#include "diagnostics/NedefinisanaKonstanta.h"

namespace php::greske {

NedefinisanaKonstanta::NedefinisanaKonstanta(const std::string& name, const std::string& file, int32_t line)
    : Greska(file, line), name(name) {}

std::string NedefinisanaKonstanta::render() const {
    return prefix() + "Undefined constant '" + name + "' (reported only once)";
}

}  // namespace php::greske
