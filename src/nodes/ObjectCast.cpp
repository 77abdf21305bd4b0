#include "nodes/ObjectCast.h"

namespace php {

ObjectCast::ObjectCast(const char*, const Location& openLocation, const char*, const Location&,
                       const char*, const Location&, ParserBase* x)
    : UnaryNode(x, openLocation) {}

}  // namespace php
