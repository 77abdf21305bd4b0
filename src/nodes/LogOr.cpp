#include "nodes/LogOr.h"

namespace php {

LogOr::LogOr(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

LogOr::~LogOr() {
    delete left;
    delete right;
}

void LogOr::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void LogOr::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value LogOr::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.logicalOr(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value LogOr::evaluate() { return compute(false); }

Value LogOr::staticValue() { return compute(true); }

void LogOr::computeFlow() { combineFlow(left, right); }

void LogOr::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
