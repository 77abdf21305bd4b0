#include "nodes/UnarniMinus.h"

namespace php {

UnarniMinus::UnarniMinus(const char*, const Location& opLocation, ParserBase* x) : UnaryNode(x, opLocation) {}

}  // namespace php
