#include "nodes/LogXor.h"

namespace php {

LogXor::LogXor(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

LogXor::~LogXor() {
    delete left;
    delete right;
}

void LogXor::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void LogXor::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value LogXor::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.logicalXor(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value LogXor::evaluate() { return compute(false); }

Value LogXor::staticValue() { return compute(true); }

void LogXor::computeFlow() { combineFlow(left, right); }

void LogXor::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
