#include "nodes/Modul.h"

namespace php {

Modul::Modul(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Modul::apply(const Value& l, const Value& r) const { return l.modulo(r); }

}  // namespace php
