#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// A file included a second time.
class DvostrukiInclude : public Greska {
public:
    const int32_t prevLine;
    const std::string prevFile;
    const std::string path;

    DvostrukiInclude(int32_t prevLine, const std::string& prevFile, const std::string& path, const std::string& file,
                     int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
