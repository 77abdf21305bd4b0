#include "nodes/PromenljivaPodNavodnikom.h"

#include "nodes/Varijabla.h"

namespace php {

PromenljivaPodNavodnikom::PromenljivaPodNavodnikom(ParserBase* x) : ParserBase(x), inner(adopt(x)) {}

PromenljivaPodNavodnikom::~PromenljivaPodNavodnikom() { delete inner; }

ParserBase* PromenljivaPodNavodnikom::unwrap() {
    if (dynamic_cast<Varijabla*>(inner)) return this;
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void PromenljivaPodNavodnikom::link() { linkChild(inner); }

void PromenljivaPodNavodnikom::check() { checkAndAbsorb(inner); }

Value PromenljivaPodNavodnikom::evaluate() { return inner ? inner->evaluate() : Value(); }

Value PromenljivaPodNavodnikom::staticValue() { return inner ? inner->staticValue() : Value(); }

void PromenljivaPodNavodnikom::computeFlow() { adoptFlow(inner); }

void PromenljivaPodNavodnikom::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
