#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A second `default` label in one switch.
class DvostrukiDefault : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;

    DvostrukiDefault(int32_t prevLine, const std::string& prevFile, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
