#include "nodes/Manje.h"

namespace php {

Manje::Manje(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Manje::apply(const Value& l, const Value& r) const { return l.less(r); }

}  // namespace php
