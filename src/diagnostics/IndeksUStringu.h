#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A malformed index inside a string.
class IndeksUStringu : public Greska {
public:
    IndeksUStringu(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
