#include "nodes/Puta.h"

namespace php {

Puta::Puta(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Puta::apply(const Value& l, const Value& r) const { return l.multiply(r); }

}  // namespace php
