#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An array element that does not exist.
class NepostojeciElementNiza : public Greska {
public:
    NepostojeciElementNiza(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
