#include "nodes/BitskiAnd.h"

namespace php {

BitskiAnd::BitskiAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BitskiAnd::~BitskiAnd() {
    delete left;
    delete right;
}

void BitskiAnd::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool strings = left->staticType == stringType() && right->staticType == stringType();
        staticType = strings ? stringType() : integerType();
    }
}

void BitskiAnd::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BitskiAnd::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.bitAnd(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BitskiAnd::evaluate() { return compute(false); }

Value BitskiAnd::staticValue() { return compute(true); }

void BitskiAnd::computeFlow() { combineFlow(left, right); }

void BitskiAnd::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
