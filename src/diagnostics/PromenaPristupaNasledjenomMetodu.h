#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An inherited method redeclared with narrower access.
class PromenaPristupaNasledjenomMetodu : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string method;
    const std::string baseClass;

    PromenaPristupaNasledjenomMetodu(int32_t prevLine, const std::string& prevFile, const std::string& method,
                                     const std::string& baseClass, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
