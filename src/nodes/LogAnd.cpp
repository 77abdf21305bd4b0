#include "nodes/LogAnd.h"

namespace php {

LogAnd::LogAnd(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

LogAnd::~LogAnd() {
    delete left;
    delete right;
}

void LogAnd::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void LogAnd::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value LogAnd::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.logicalAnd(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value LogAnd::evaluate() { return compute(false); }

Value LogAnd::staticValue() { return compute(true); }

void LogAnd::computeFlow() { combineFlow(left, right); }

void LogAnd::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
