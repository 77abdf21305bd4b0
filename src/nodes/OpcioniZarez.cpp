#include "nodes/OpcioniZarez.h"

namespace php {

void OpcioniZarez::link() {}

void OpcioniZarez::check() {}

Value OpcioniZarez::evaluate() { return Value(); }

void OpcioniZarez::computeFlow() { seedFlow(); }

void OpcioniZarez::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
