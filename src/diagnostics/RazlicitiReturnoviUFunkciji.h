#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A function that returns a value on some paths only.
class RazlicitiReturnoviUFunkciji : public Greska {
public:
    const std::string name;

    RazlicitiReturnoviUFunkciji(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
