#include "nodes/Minus.h"

namespace php {

Minus::Minus(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Minus::~Minus() {
    delete left;
    delete right;
}

void Minus::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool isFloat = left->staticType == floatType() || right->staticType == floatType();
        staticType = isFloat ? floatType() : integerType();
    }
}

void Minus::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Minus::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.subtract(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Minus::evaluate() { return compute(false); }

Value Minus::staticValue() { return compute(true); }

void Minus::computeFlow() { combineFlow(left, right); }

void Minus::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
