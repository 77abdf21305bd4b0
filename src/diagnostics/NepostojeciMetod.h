#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A method not declared in the class (className may be empty).
class NepostojeciMetod : public Greska {
public:
    const std::string className;
    const std::string member;

    NepostojeciMetod(const std::string& className, const std::string& member, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
