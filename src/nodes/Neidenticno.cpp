#include "nodes/Neidenticno.h"

namespace php {

Neidenticno::Neidenticno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : BinaryNode(l, opLocation, r) {}

Value Neidenticno::apply(const Value& l, const Value& r) const { return l.notIdentical(r); }

}  // namespace php
