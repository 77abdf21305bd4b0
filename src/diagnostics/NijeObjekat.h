#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// Member access on something that is not an object.
class NijeObjekat : public Greska {
public:
    const std::string name;

    NijeObjekat(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
