#include "diagnostics/NedozvoljenNizKaoKonstantaUKlasi.h"

namespace php::greske {

NedozvoljenNizKaoKonstantaUKlasi::NedozvoljenNizKaoKonstantaUKlasi(const std::string& file, int32_t line)
    : Greska(file, line) {}

std::string NedozvoljenNizKaoKonstantaUKlasi::render() const {
    return prefix() + "Array as class constant is not allowed";
}

}  // namespace php::greske
