#include "nodes/Nasledjivanje.h"

namespace php {

Nasledjivanje::Nasledjivanje(const char* text, const Location& loc, ParserBase* fqImeKlase)
    : ParserBase(loc), parentClass(adopt(fqImeKlase)) {}

Nasledjivanje::~Nasledjivanje() { delete parentClass; }

void Nasledjivanje::link() { linkChild(parentClass); }
void Nasledjivanje::check() { checkAndAbsorb(parentClass); }
Value Nasledjivanje::evaluate() { return Value(); }

// Kept only when the clause names something; otherwise it leaves no node.
ParserBase* Nasledjivanje::unwrap() {
    if (parentClass) return this;
    delete this;
    return nullptr;
}

void Nasledjivanje::computeFlow() { adoptFlow(parentClass); }

void Nasledjivanje::collectChildren(std::vector<ParserBase*>& out) {
    if (parentClass) out.push_back(parentClass);
}

}  // namespace php
