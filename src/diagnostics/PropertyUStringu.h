#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A malformed property access inside a string.
class PropertyUStringu : public Greska {
public:
    PropertyUStringu(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
