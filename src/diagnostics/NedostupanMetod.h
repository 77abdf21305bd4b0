#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A private or protected method called from outside.
class NedostupanMetod : public Greska {
public:
    const std::string className;
    const std::string member;

    NedostupanMetod(const std::string& className, const std::string& member, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
