#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A class extends a final class.
class NasledjivanjeIzFinalKlase : public Greska {
public:
    const std::string name;

    NasledjivanjeIzFinalKlase(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
