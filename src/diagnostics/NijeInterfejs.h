#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An interface extends something that is not an interface.
class NijeInterfejs : public Greska {
public:
    const std::string name;

    NijeInterfejs(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
