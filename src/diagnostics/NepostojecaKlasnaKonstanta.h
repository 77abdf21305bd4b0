#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A class constant that is not defined.
class NepostojecaKlasnaKonstanta : public Greska {
public:
    const std::string name;

    NepostojecaKlasnaKonstanta(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
