#include "nodes/InkrementOperator.h"

namespace php {

InkrementOperator::InkrementOperator(ParserBase* x, const char*, const Location& opLocation)
    : UnaryNode(x, opLocation) {}

InkrementOperator::InkrementOperator(const char*, const Location& opLocation, ParserBase* x)
    : UnaryNode(x, opLocation) {
    prefix = true;
}

// Works on a copy of the operand's value: a variable's stored value is never
// changed.
Value InkrementOperator::apply(Value& x) const { return prefix ? Value(x.preIncrement()) : x.postIncrement(); }

}  // namespace php
