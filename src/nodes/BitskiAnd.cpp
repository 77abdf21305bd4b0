#include "nodes/BitskiAnd.h"

namespace php {

BitskiAnd::BitskiAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value BitskiAnd::apply(const Value& l, const Value& r) const { return l.bitAnd(r); }

}  // namespace php
