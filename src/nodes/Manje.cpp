#include "nodes/Manje.h"

namespace php {

Manje::Manje(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Manje::~Manje() {
    delete left;
    delete right;
}

void Manje::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Manje::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Manje::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.less(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Manje::evaluate() { return compute(false); }

Value Manje::staticValue() { return compute(true); }

void Manje::computeFlow() { combineFlow(left, right); }

void Manje::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
