#include "nodes/Konkatenacija.h"

namespace php {

Konkatenacija::Konkatenacija(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Konkatenacija::apply(const Value& l, const Value& r) const { return l.concatenate(r); }

}  // namespace php
