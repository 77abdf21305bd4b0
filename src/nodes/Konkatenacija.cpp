#include "nodes/Konkatenacija.h"

namespace php {

Konkatenacija::Konkatenacija(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Konkatenacija::~Konkatenacija() {
    delete left;
    delete right;
}

void Konkatenacija::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = stringType();
}

void Konkatenacija::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Konkatenacija::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.concatenate(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Konkatenacija::evaluate() { return compute(false); }

Value Konkatenacija::staticValue() { return compute(true); }

void Konkatenacija::computeFlow() { combineFlow(left, right); }

void Konkatenacija::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
