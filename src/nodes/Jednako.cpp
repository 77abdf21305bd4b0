#include "nodes/Jednako.h"

namespace php {

Jednako::Jednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Jednako::apply(const Value& l, const Value& r) const { return l.equal(r); }

}  // namespace php
