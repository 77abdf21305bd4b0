#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A private or protected property used from outside.
class NedostupanAtribut : public Greska {
public:
    const std::string className;
    const std::string member;

    NedostupanAtribut(const std::string& className, const std::string& member, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
