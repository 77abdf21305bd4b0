#include "diagnostics/PotencijalnoBeskonacnaPetlja.h"

namespace php::greske {

PotencijalnoBeskonacnaPetlja::PotencijalnoBeskonacnaPetlja(const std::string& file, int32_t line)
    : Greska(file, line) {}

std::string PotencijalnoBeskonacnaPetlja::render() const { return prefix() + "Suspicious loop (maybe infinite?)"; }

}  // namespace php::greske
