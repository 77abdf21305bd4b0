#include "nodes/BoolOr.h"

namespace php {

BoolOr::BoolOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BoolOr::~BoolOr() {
    delete left;
    delete right;
}

void BoolOr::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void BoolOr::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BoolOr::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.logicalOr(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BoolOr::evaluate() { return compute(false); }

Value BoolOr::staticValue() { return compute(true); }

void BoolOr::computeFlow() { combineFlow(left, right); }

void BoolOr::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
