#include "nodes/BoolAnd.h"

namespace php {

BoolAnd::BoolAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BoolAnd::~BoolAnd() {
    delete left;
    delete right;
}

void BoolAnd::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void BoolAnd::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BoolAnd::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.logicalAnd(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BoolAnd::evaluate() { return compute(false); }

Value BoolAnd::staticValue() { return compute(true); }

void BoolAnd::computeFlow() { combineFlow(left, right); }

void BoolAnd::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
