#include "nodes/BoolAnd.h"

namespace php {

BoolAnd::BoolAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value BoolAnd::apply(const Value& l, const Value& r) const { return l.logicalAnd(r); }

}  // namespace php
