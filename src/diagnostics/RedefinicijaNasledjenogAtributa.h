#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An inherited property declared again.
class RedefinicijaNasledjenogAtributa : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string property;
    const std::string baseClass;

    RedefinicijaNasledjenogAtributa(int32_t prevLine, const std::string& prevFile, const std::string& property,
                                    const std::string& baseClass, const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
