#include "nodes/ShlOperator.h"

namespace php {

ShlOperator::ShlOperator(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

ShlOperator::~ShlOperator() {
    delete left;
    delete right;
}

void ShlOperator::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = integerType();
}

void ShlOperator::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value ShlOperator::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.shiftLeft(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value ShlOperator::evaluate() { return compute(false); }

Value ShlOperator::staticValue() { return compute(true); }

void ShlOperator::computeFlow() { combineFlow(left, right); }

void ShlOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
