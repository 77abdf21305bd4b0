#include "nodes/BitskiOr.h"

namespace php {

BitskiOr::BitskiOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BitskiOr::~BitskiOr() {
    delete left;
    delete right;
}

void BitskiOr::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool strings = left->staticType == stringType() && right->staticType == stringType();
        staticType = strings ? stringType() : integerType();
    }
}

void BitskiOr::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BitskiOr::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.bitOr(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BitskiOr::evaluate() { return compute(false); }

Value BitskiOr::staticValue() { return compute(true); }

void BitskiOr::computeFlow() { combineFlow(left, right); }

void BitskiOr::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
