#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An included file that does not exist.
class NepostojeciFajl : public Greska {
public:
    const std::string path;

    NepostojeciFajl(const std::string& path, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
