#include "diagnostics/NedeklarisanaPromenljiva.h"

namespace php::greske {

NedeklarisanaPromenljiva::NedeklarisanaPromenljiva(const std::string& file, int32_t line) : Greska(file, line) {}

std::string NedeklarisanaPromenljiva::render() const { return prefix() + "Undeclared variable"; }

}  // namespace php::greske
