#include "nodes/BitskiXor.h"

namespace php {

BitskiXor::BitskiXor(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BitskiXor::~BitskiXor() {
    delete left;
    delete right;
}

void BitskiXor::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool strings = left->staticType == stringType() && right->staticType == stringType();
        staticType = strings ? stringType() : integerType();
    }
}

void BitskiXor::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BitskiXor::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.bitXor(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BitskiXor::evaluate() { return compute(false); }

Value BitskiXor::staticValue() { return compute(true); }

void BitskiXor::computeFlow() { combineFlow(left, right); }

void BitskiXor::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
