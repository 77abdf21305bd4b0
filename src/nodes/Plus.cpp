#include "nodes/Plus.h"

namespace php {

Plus::Plus(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Plus::apply(const Value& l, const Value& r) const { return l.add(r); }

}  // namespace php
