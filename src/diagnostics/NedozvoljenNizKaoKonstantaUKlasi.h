#pragma once
#include <cstdint>
#include <string>

#include "diagnostics/Greska.h"

namespace php::greske {

// An array as the value of a class constant.
class NedozvoljenNizKaoKonstantaUKlasi : public Greska {
public:
    NedozvoljenNizKaoKonstantaUKlasi(const std::string& file, int32_t line);
    std::string render() const override;
};

}  // namespace php::greske
