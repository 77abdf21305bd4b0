#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A parameter type hint other than `array` or a class name.
class NedozvoljenTipUDeklaracijiParametra : public Greska {
public:
    const std::string name;

    NedozvoljenTipUDeklaracijiParametra(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
