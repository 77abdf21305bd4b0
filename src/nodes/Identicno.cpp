#include "nodes/Identicno.h"

namespace php {

Identicno::Identicno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Identicno::apply(const Value& l, const Value& r) const { return l.identical(r); }

}  // namespace php
