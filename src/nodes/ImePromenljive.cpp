#include "nodes/ImePromenljive.h"

#include "nodes/Identifikator.h"
#include "nodes/Varijabla.h"

namespace php {

ImePromenljive::ImePromenljive(ParserBase* identifier)
    : ParserBase(identifier), name(Identifikator::consume(identifier)) {}

ImePromenljive::ImePromenljive(const char*, const Location& lbraceLocation, ParserBase* expression,
                               const char*, const Location&)
    : ParserBase(lbraceLocation), inner(adopt(expression)) {}

ImePromenljive::~ImePromenljive() { delete inner; }

void ImePromenljive::link() { linkChild(inner); }

// A plain name is a read of that variable; the braced form "${expr}" reads
// only what its expression reads.
void ImePromenljive::check() {
    checkAndAbsorb(inner);
    if (!name.empty()) Varijabla::recordRead(this, name);
}

Value ImePromenljive::evaluate() { return Value(); }

void ImePromenljive::computeFlow() { adoptFlow(inner); }

void ImePromenljive::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
