#include "nodes/BitskiNot.h"

namespace php {

BitskiNot::BitskiNot(const char*, const Location& opLocation, ParserBase* x) : UnaryNode(x, opLocation) {}

}  // namespace php
