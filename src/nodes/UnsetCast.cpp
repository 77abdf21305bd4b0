#include "nodes/UnsetCast.h"

namespace php {

UnsetCast::UnsetCast(const char*, const Location& openLocation, const char*, const Location&,
          const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
