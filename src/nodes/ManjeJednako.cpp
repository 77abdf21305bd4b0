#include "nodes/ManjeJednako.h"

namespace php {

ManjeJednako::ManjeJednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value ManjeJednako::apply(const Value& l, const Value& r) const { return l.lessOrEqual(r); }

}  // namespace php
