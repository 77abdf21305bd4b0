#include "nodes/OpcioniTz.h"

namespace php {

void OpcioniTz::link() {}

void OpcioniTz::check() {}

Value OpcioniTz::evaluate() { return Value(); }

void OpcioniTz::computeFlow() { seedFlow(); }

void OpcioniTz::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
