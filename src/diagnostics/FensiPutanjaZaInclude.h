#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An include path expression that cannot be worked out.
class FensiPutanjaZaInclude : public Greska {
public:
    FensiPutanjaZaInclude(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
