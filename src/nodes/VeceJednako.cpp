#include "nodes/VeceJednako.h"

namespace php {

VeceJednako::VeceJednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value VeceJednako::apply(const Value& l, const Value& r) const { return l.greaterOrEqual(r); }

}  // namespace php
