#include "nodes/BoolOr.h"

namespace php {

BoolOr::BoolOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value BoolOr::apply(const Value& l, const Value& r) const { return l.logicalOr(r); }

}  // namespace php
