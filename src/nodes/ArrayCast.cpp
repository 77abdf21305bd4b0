#include "nodes/ArrayCast.h"

namespace php {

ArrayCast::ArrayCast(const char*, const Location& openLocation, const char*, const Location&,
          const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
