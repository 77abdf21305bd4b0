#include "nodes/LogXor.h"

namespace php {

LogXor::LogXor(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value LogXor::apply(const Value& l, const Value& r) const { return l.logicalXor(r); }

}  // namespace php
