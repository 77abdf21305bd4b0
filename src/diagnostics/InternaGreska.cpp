#include "diagnostics/InternaGreska.h"

namespace php::greske {

InternaGreska::InternaGreska(const std::string& sourceName, int32_t sourceLine, const std::string& file, int32_t line)
    : Greska(file, line), sourceName(sourceName), sourceLine(sourceLine) {}

std::string InternaGreska::render() const {
    return prefix() + "Internal error: '" + sourceName + "(" + std::to_string(sourceLine) + ")'";
}

}  // namespace php::greske
