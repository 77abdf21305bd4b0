#include "nodes/DinamickoImeKlase.h"

namespace php {

DinamickoImeKlase::DinamickoImeKlase(ParserBase* b, ParserBase* s) : base(adopt(b)), steps(adopt(s)) {
    if (base)
        location = base->location;
    else if (steps)
        location = steps->location;
}

DinamickoImeKlase::~DinamickoImeKlase() {
    delete base;
    delete steps;
}

void DinamickoImeKlase::link() {
    linkChild(base);
    linkChild(steps);
}

// The steps' reads stay pending for the node above.
void DinamickoImeKlase::check() {
    checkAndAbsorb(base);
    if (steps) {
        steps->check();
        propagateChild(steps, true, true, true);
    }
}

Value DinamickoImeKlase::evaluate() { return Value(); }

void DinamickoImeKlase::computeFlow() { combineFlow(base, steps); }

void DinamickoImeKlase::collectChildren(std::vector<ParserBase*>& out) {
    if (base) out.push_back(base);
    if (steps) out.push_back(steps);
}

}  // namespace php
