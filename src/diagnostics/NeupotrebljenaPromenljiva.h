#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A variable set but never read. Kept for the analysis; never printed.
class NeupotrebljenaPromenljiva : public Greska {
public:
    const std::string name;

    NeupotrebljenaPromenljiva(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
