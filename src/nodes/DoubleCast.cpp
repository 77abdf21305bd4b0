#include "nodes/DoubleCast.h"

namespace php {

DoubleCast::DoubleCast(const char*, const Location& openLocation, const char*, const Location&,
           const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
