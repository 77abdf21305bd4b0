#include "nodes/OfsetPodNavodnikom.h"

#include <cstdlib>

#include "nodes/Konstanta.h"

namespace php {

OfsetPodNavodnikom::OfsetPodNavodnikom(ParserBase* c) : ParserBase(c), child(adopt(c)) {}

// Read as decimal whatever its prefix, as PHP reads a string index: "0x1F"
// is 0 and "017" is 17.
OfsetPodNavodnikom::OfsetPodNavodnikom(const char* number, const Location& loc)
    : ParserBase(loc), value(number ? std::strtoll(number, nullptr, 10) : 0) {}

OfsetPodNavodnikom::~OfsetPodNavodnikom() { delete child; }

void OfsetPodNavodnikom::link() { linkChild(child); }

// A bare name here is an array key, not a constant to look up.
void OfsetPodNavodnikom::check() {
    if (dynamic_cast<Konstanta*>(child)) return;
    checkAndAbsorb(child);
}

Value OfsetPodNavodnikom::evaluate() {
    if (child) return child->evaluate();
    if (value == notANumber) return Value();
    Value v;
    v.setInteger(value);
    return v;
}

Value OfsetPodNavodnikom::staticValue() { return evaluate(); }

void OfsetPodNavodnikom::computeFlow() { adoptFlow(child); }

void OfsetPodNavodnikom::collectChildren(std::vector<ParserBase*>& out) {
    if (child) out.push_back(child);
}

}  // namespace php
