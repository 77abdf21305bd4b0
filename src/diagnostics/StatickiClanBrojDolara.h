#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A static member written with the wrong number of dollar signs.
class StatickiClanBrojDolara : public Greska {
public:
    StatickiClanBrojDolara(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
