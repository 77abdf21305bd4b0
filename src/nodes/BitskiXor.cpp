#include "nodes/BitskiXor.h"

namespace php {

BitskiXor::BitskiXor(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value BitskiXor::apply(const Value& l, const Value& r) const { return l.bitXor(r); }

}  // namespace php
