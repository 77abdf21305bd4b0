#include "nodes/VeceJednako.h"

namespace php {

VeceJednako::VeceJednako(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

VeceJednako::~VeceJednako() {
    delete left;
    delete right;
}

void VeceJednako::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void VeceJednako::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value VeceJednako::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.greaterOrEqual(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value VeceJednako::evaluate() { return compute(false); }

Value VeceJednako::staticValue() { return compute(true); }

void VeceJednako::computeFlow() { combineFlow(left, right); }

void VeceJednako::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
