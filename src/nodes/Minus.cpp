#include "nodes/Minus.h"

namespace php {

Minus::Minus(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Minus::apply(const Value& l, const Value& r) const { return l.subtract(r); }

}  // namespace php
