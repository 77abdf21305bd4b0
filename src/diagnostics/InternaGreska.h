#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A state the passes should never reach; names the analyser's own unit and a fixed number.
class InternaGreska : public Greska {
public:
    const std::string sourceName;
    const int32_t sourceLine;

    InternaGreska(const std::string& sourceName, int32_t sourceLine, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
