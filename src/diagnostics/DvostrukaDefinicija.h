#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A symbol defined twice; no previous place (line below 1) means a built-in one.
class DvostrukaDefinicija : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string name;

    DvostrukaDefinicija(int32_t prevLine, const std::string& prevFile, const std::string& name, const std::string& file,
                        int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
