#include "nodes/CaseSeparator.h"

namespace php {

void CaseSeparator::link() {}

void CaseSeparator::check() {}

Value CaseSeparator::evaluate() { return Value(); }

void CaseSeparator::computeFlow() { seedFlow(); }

void CaseSeparator::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
