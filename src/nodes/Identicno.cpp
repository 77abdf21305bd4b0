#include "nodes/Identicno.h"

namespace php {

Identicno::Identicno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Identicno::~Identicno() {
    delete left;
    delete right;
}

void Identicno::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Identicno::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Identicno::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.identical(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Identicno::evaluate() { return compute(false); }

Value Identicno::staticValue() { return compute(true); }

void Identicno::computeFlow() { combineFlow(left, right); }

void Identicno::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
