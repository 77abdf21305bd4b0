#include "nodes/Plus.h"

namespace php {

Plus::Plus(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Plus::~Plus() {
    delete left;
    delete right;
}

void Plus::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool isFloat = left->staticType == floatType() || right->staticType == floatType();
        staticType = isFloat ? floatType() : integerType();
    }
}

void Plus::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Plus::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.add(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Plus::evaluate() { return compute(false); }

Value Plus::staticValue() { return compute(true); }

void Plus::computeFlow() { combineFlow(left, right); }

void Plus::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
