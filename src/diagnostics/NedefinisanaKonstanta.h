#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A global constant that is not defined; reported once per name.
class NedefinisanaKonstanta : public Greska {
public:
    const std::string name;

    NedefinisanaKonstanta(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
