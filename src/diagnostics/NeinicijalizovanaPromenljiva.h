#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A variable read before it is set. Kept for the analysis; never printed.
class NeinicijalizovanaPromenljiva : public Greska {
public:
    const std::string name;

    NeinicijalizovanaPromenljiva(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
