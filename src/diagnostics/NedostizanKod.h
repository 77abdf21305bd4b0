#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// Code after a statement that never falls through.
class NedostizanKod : public Greska {
public:
    NedostizanKod(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
