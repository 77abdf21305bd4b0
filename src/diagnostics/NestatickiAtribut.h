#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A non-static property accessed statically.
class NestatickiAtribut : public Greska {
public:
    const std::string className;
    const std::string member;

    NestatickiAtribut(const std::string& className, const std::string& member, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
