#include "nodes/BoolCast.h"

namespace php {

BoolCast::BoolCast(const char*, const Location& openLocation, const char*, const Location&,
         const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
