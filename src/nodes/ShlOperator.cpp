#include "nodes/ShlOperator.h"

namespace php {

ShlOperator::ShlOperator(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value ShlOperator::apply(const Value& l, const Value& r) const { return l.shiftLeft(r); }

}  // namespace php
