#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A function declared but never given a body.
class NedefinisanaFunkcija : public Greska {
public:
    const std::string name;

    NedefinisanaFunkcija(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
