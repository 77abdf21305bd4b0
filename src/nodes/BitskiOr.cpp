#include "nodes/BitskiOr.h"

namespace php {

BitskiOr::BitskiOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value BitskiOr::apply(const Value& l, const Value& r) const { return l.bitOr(r); }

}  // namespace php
