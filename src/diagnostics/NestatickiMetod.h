#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A non-static method called statically.
class NestatickiMetod : public Greska {
public:
    const std::string className;
    const std::string member;

    NestatickiMetod(const std::string& className, const std::string& member, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
