#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A function call in a loop condition.
class FunkcijskiPozivUUslovuPetlje : public Greska {
public:
    FunkcijskiPozivUUslovuPetlje(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
