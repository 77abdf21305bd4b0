#include "nodes/LogAnd.h"

namespace php {

LogAnd::LogAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value LogAnd::apply(const Value& l, const Value& r) const { return l.logicalAnd(r); }

}  // namespace php
