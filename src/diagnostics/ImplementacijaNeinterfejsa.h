#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A class implements something that is not an interface.
class ImplementacijaNeinterfejsa : public Greska {
public:
    const std::string name;

    ImplementacijaNeinterfejsa(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
