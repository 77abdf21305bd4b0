#include "nodes/Neidenticno.h"

namespace php {

Neidenticno::Neidenticno(ParserBase* l, const char*, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

Neidenticno::~Neidenticno() {
    delete left;
    delete right;
}

void Neidenticno::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = booleanType();
}

void Neidenticno::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value Neidenticno::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = l.notIdentical(r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value Neidenticno::evaluate() { return compute(false); }

Value Neidenticno::staticValue() { return compute(true); }

void Neidenticno::computeFlow() { combineFlow(left, right); }

void Neidenticno::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
