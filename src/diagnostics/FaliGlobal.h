#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A function reads a variable that only exists as a global.
class FaliGlobal : public Greska {
public:
    const std::string name;

    FaliGlobal(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
