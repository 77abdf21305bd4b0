#include "nodes/ManjeJednako.h"

namespace php {

ManjeJednako::ManjeJednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

ManjeJednako::~ManjeJednako() {
    delete left;
    delete right;
}

void ManjeJednako::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void ManjeJednako::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value ManjeJednako::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.lessOrEqual(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value ManjeJednako::evaluate() { return compute(false); }

Value ManjeJednako::staticValue() { return compute(true); }

void ManjeJednako::computeFlow() { combineFlow(left, right); }

void ManjeJednako::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
