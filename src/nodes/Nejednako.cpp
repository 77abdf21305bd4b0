#include "nodes/Nejednako.h"

namespace php {

Nejednako::Nejednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Nejednako::apply(const Value& l, const Value& r) const { return l.notEqual(r); }

}  // namespace php
