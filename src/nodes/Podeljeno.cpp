#include "nodes/Podeljeno.h"

namespace php {

Podeljeno::Podeljeno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Podeljeno::apply(const Value& l, const Value& r) const { return l.divide(r); }

}  // namespace php
