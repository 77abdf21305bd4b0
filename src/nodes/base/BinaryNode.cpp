#include "nodes/base/BinaryNode.h"

namespace php {

BinaryNode::BinaryNode(ParserBase* l, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

BinaryNode::~BinaryNode() {
    delete left;
    delete right;
}

Type* BinaryNode::resultType() const {
    switch (resultRule()) {
        case ResultRule::Arithmetic: {
            bool isFloat = left->staticType == floatType() || right->staticType == floatType();
            return isFloat ? floatType() : integerType();
        }
        case ResultRule::Bitwise: {
            bool strings = left->staticType == stringType() && right->staticType == stringType();
            return strings ? stringType() : integerType();
        }
        case ResultRule::Integer: return integerType();
        case ResultRule::Boolean: return booleanType();
        case ResultRule::String: return stringType();
    }
    return nullptr;
}

void BinaryNode::link() {
    linkChild(left);
    linkChild(right);
    if (left && right) staticType = resultType();
}

void BinaryNode::check() {
    checkAndAbsorb(left);
    checkAndAbsorb(right);
}

// The right operand is evaluated before the left one.
Value BinaryNode::compute(bool statically) {
    if (!left || !right) return Value();
    Value r = statically ? right->staticValue() : right->evaluate();
    Value l = statically ? left->staticValue() : left->evaluate();
    Value result = apply(l, r);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value BinaryNode::evaluate() { return compute(false); }

Value BinaryNode::staticValue() { return compute(true); }

void BinaryNode::computeFlow() { combineFlow(left, right); }

void BinaryNode::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
