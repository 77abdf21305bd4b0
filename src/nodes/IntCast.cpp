#include "nodes/IntCast.h"

namespace php {

IntCast::IntCast(const char*, const Location& openLocation, const char*, const Location&,
        const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
