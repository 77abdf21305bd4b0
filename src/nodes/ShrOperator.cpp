#include "nodes/ShrOperator.h"

namespace php {

ShrOperator::ShrOperator(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value ShrOperator::apply(const Value& l, const Value& r) const { return l.shiftRight(r); }

}  // namespace php
