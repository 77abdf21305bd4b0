#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An access modifier on an interface method.
class PristupNaMetoduUInterfejsu : public Greska {
public:
    PristupNaMetoduUInterfejsu(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
