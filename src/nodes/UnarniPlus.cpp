#include "nodes/UnarniPlus.h"

namespace php {

UnarniPlus::UnarniPlus(const char*, const Location& opLocation, ParserBase* x) : UnaryNode(x, opLocation) {}

}  // namespace php
