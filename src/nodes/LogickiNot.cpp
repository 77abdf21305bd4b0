#include "nodes/LogickiNot.h"

namespace php {

LogickiNot::LogickiNot(const char*, const Location& opLocation, ParserBase* x) : UnaryNode(x, opLocation) {}

}  // namespace php
