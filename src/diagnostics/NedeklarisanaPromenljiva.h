#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A variable read that was never declared.
class NedeklarisanaPromenljiva : public Greska {
public:
    NedeklarisanaPromenljiva(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
