#include "diagnostics/NeinicijalizovanaPromenljiva.h"

namespace php::greske {

NeinicijalizovanaPromenljiva::NeinicijalizovanaPromenljiva(const std::string& name, const std::string& file,
                                                           int32_t line)
    : Greska(file, line), name(name) {}

std::string NeinicijalizovanaPromenljiva::render() const {
    // Empty text: the report skips it, so it is neither printed nor counted.
    return std::string();
}

}  // namespace php::greske
