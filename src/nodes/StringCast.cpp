#include "nodes/StringCast.h"

namespace php {

StringCast::StringCast(const char*, const Location& openLocation, const char*, const Location&,
           const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
