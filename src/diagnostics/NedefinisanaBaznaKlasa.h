#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A base class that is not defined.
class NedefinisanaBaznaKlasa : public Greska {
public:
    const std::string name;

    NedefinisanaBaznaKlasa(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
