#include "nodes/Vece.h"

namespace php {

Vece::Vece(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Vece::apply(const Value& l, const Value& r) const { return l.greater(r); }

}  // namespace php
