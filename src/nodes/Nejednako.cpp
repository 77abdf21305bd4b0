#include "nodes/Nejednako.h"

namespace php {

Nejednako::Nejednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Nejednako::~Nejednako() {
    delete left;
    delete right;
}

void Nejednako::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Nejednako::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Nejednako::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.notEqual(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Nejednako::evaluate() { return compute(false); }

Value Nejednako::staticValue() { return compute(true); }

void Nejednako::computeFlow() { combineFlow(left, right); }

void Nejednako::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
