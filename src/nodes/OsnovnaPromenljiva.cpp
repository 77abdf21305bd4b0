#include "nodes/OsnovnaPromenljiva.h"

namespace php {

OsnovnaPromenljiva::OsnovnaPromenljiva(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

OsnovnaPromenljiva::~OsnovnaPromenljiva() { delete inner; }

void OsnovnaPromenljiva::link() { linkChild(inner); }

// Reads stay pending for the node above, as for the variable it wraps.
void OsnovnaPromenljiva::check() {
    if (!inner) return;
    inner->check();
    propagateChild(inner, true, true, true);
}

Value OsnovnaPromenljiva::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* OsnovnaPromenljiva::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void OsnovnaPromenljiva::computeFlow() { adoptFlow(inner); }

void OsnovnaPromenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
