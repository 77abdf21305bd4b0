#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A closing bracket with no opening one.
class ZagradaViska : public Greska {
public:
    const char bracket;

    ZagradaViska(char bracket, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
