#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A call of a function that is not declared.
class NedeklarisanaFunkcija : public Greska {
public:
    const std::string name;

    NedeklarisanaFunkcija(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
