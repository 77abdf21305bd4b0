#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A class name that names no class.
class NepoznataKlasa : public Greska {
public:
    const std::string name;

    NepoznataKlasa(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
