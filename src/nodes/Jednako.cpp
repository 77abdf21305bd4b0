#include "nodes/Jednako.h"

namespace php {

Jednako::Jednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Jednako::~Jednako() {
    delete left;
    delete right;
}

void Jednako::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Jednako::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Jednako::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.equal(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Jednako::evaluate() { return compute(false); }

Value Jednako::staticValue() { return compute(true); }

void Jednako::computeFlow() { combineFlow(left, right); }

void Jednako::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
