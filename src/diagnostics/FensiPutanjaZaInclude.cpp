#include "diagnostics/FensiPutanjaZaInclude.h"

namespace php::greske {

FensiPutanjaZaInclude::FensiPutanjaZaInclude(const std::string& file, int32_t line) : Greska(file, line) {}

std::string FensiPutanjaZaInclude::render() const { return prefix() + "Couldn't handle include path"; }

}  // namespace php::greske
