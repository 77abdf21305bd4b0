#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An interface method the class does not implement.
class NeimplementiranMetodIzInterfejsa : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string method;
    const std::string interface;

    NeimplementiranMetodIzInterfejsa(int32_t prevLine, const std::string& prevFile, const std::string& method,
                                     const std::string& interface, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
