#include "diagnostics/NepostojeciFajlKrozIncludePath.h"

namespace php::greske {

NepostojeciFajlKrozIncludePath::NepostojeciFajlKrozIncludePath(const std::string& path, const std::string& file,
                                                               int32_t line)
    : Greska(file, line), path(path) {}

std::string NepostojeciFajlKrozIncludePath::render() const {
    return prefix() + "Can't find '" + path + "' in include path";
}

}  // namespace php::greske
