#include "nodes/Modul.h"

namespace php {

Modul::Modul(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Modul::~Modul() {
    delete left;
    delete right;
}

void Modul::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = integerType();
}

void Modul::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Modul::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.modulo(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Modul::evaluate() { return compute(false); }

Value Modul::staticValue() { return compute(true); }

void Modul::computeFlow() { combineFlow(left, right); }

void Modul::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
