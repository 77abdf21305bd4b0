#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An included file not found in any include directory.
class NepostojeciFajlKrozIncludePath : public Greska {
public:
    const std::string path;

    NepostojeciFajlKrozIncludePath(const std::string& path, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
