#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An interface method implemented as non-public.
class PogresanPristupMetoduIzInterfejsa : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string method;
    const std::string interface;

    PogresanPristupMetoduIzInterfejsa(int32_t prevLine, const std::string& prevFile, const std::string& method,
                                      const std::string& interface, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
