#include "nodes/Podeljeno.h"

namespace php {

Podeljeno::Podeljeno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Podeljeno::~Podeljeno() {
    delete left;
    delete right;
}

void Podeljeno::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) {
        bool isFloat = left->staticType == floatType() || right->staticType == floatType();
        staticType = isFloat ? floatType() : integerType();
    }
}

void Podeljeno::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Podeljeno::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.divide(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Podeljeno::evaluate() { return compute(false); }

Value Podeljeno::staticValue() { return compute(true); }

void Podeljeno::computeFlow() { combineFlow(left, right); }

void Podeljeno::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
