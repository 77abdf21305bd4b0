#include "nodes/ShrOperator.h"

namespace php {

ShrOperator::ShrOperator(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

ShrOperator::~ShrOperator() {
    delete left;
    delete right;
}

void ShrOperator::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = integerType();
}

void ShrOperator::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value ShrOperator::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.shiftRight(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value ShrOperator::evaluate() { return compute(false); }

Value ShrOperator::staticValue() { return compute(true); }

void ShrOperator::computeFlow() { combineFlow(left, right); }

void ShrOperator::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
