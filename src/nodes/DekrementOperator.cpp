#include "nodes/DekrementOperator.h"

namespace php {

DekrementOperator::DekrementOperator(ParserBase* x, const char*, const Location& opLocation)
    : UnaryNode(x, opLocation) {}

DekrementOperator::DekrementOperator(const char*, const Location& opLocation, ParserBase* x)
    : UnaryNode(x, opLocation) {
    prefix = true;
}

// Works on a copy of the operand's value: a variable's stored value is never
// changed.
Value DekrementOperator::apply(Value& x) const { return prefix ? Value(x.preDecrement()) : x.postDecrement(); }

}  // namespace php
