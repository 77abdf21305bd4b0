#include "nodes/Vece.h"

namespace php {

Vece::Vece(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Vece::~Vece() {
    delete left;
    delete right;
}

void Vece::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Vece::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Vece::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.greater(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Vece::evaluate() { return compute(false); }

Value Vece::staticValue() { return compute(true); }

void Vece::computeFlow() { combineFlow(left, right); }

void Vece::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
