#include "nodes/Puta.h"

namespace php {

Puta::Puta(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Puta::~Puta() {
    delete left;
    delete right;
}

void Puta::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool isFloat = left->staticType == floatType() || right->staticType == floatType();
        staticType = isFloat ? floatType() : integerType();
    }
}

void Puta::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Puta::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.multiply(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Puta::evaluate() { return compute(false); }

Value Puta::staticValue() { return compute(true); }

void Puta::computeFlow() { combineFlow(left, right); }

void Puta::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
