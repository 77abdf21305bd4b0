#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A `for` loop that looks as if it never ends.
class PotencijalnoBeskonacnaPetlja : public Greska {
public:
    PotencijalnoBeskonacnaPetlja(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
