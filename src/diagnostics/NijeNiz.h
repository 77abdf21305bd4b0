#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// Indexing of a value that is neither an array nor ArrayAccess.
class NijeNiz : public Greska {
public:
    const std::string name;

    NijeNiz(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
