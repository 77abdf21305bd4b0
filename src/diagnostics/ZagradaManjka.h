#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A bracket left open at the end of input.
class ZagradaManjka : public Greska {
public:
    const char bracket;
    const int32_t openLine;

    ZagradaManjka(char bracket, int32_t openLine, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
