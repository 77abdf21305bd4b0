#include "nodes/LogOr.h"

namespace php {

LogOr::LogOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value LogOr::apply(const Value& l, const Value& r) const { return l.logicalOr(r); }

}  // namespace php
