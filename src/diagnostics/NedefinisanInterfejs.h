#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An interface that is not defined.
class NedefinisanInterfejs : public Greska {
public:
    const std::string name;

    NedefinisanInterfejs(const std::string& name, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
