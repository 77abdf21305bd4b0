#include "nodes/ImePromenljive.h"

#include "nodes/Identifikator.h"

namespace php {

ImePromenljive::ImePromenljive(ParserBase* identifier)
    : ParserBase(identifier), name(Identifikator::consume(identifier)) {}

ImePromenljive::ImePromenljive(const char*, const Location& lbraceLocation, ParserBase* expression,
                               const char*, const Location&)
    : ParserBase(lbraceLocation), inner(adopt(expression)) {}

ImePromenljive::~ImePromenljive() { delete inner; }

void ImePromenljive::link() { linkChild(inner); }

// The read of `name` (its scope entry and pending record) is added with the
// variable analysis.
void ImePromenljive::check() { checkAndAbsorb(inner); }

Value ImePromenljive::evaluate() { return Value(); }

void ImePromenljive::computeFlow() { adoptFlow(inner); }

void ImePromenljive::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
