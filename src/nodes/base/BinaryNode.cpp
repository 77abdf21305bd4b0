#include "nodes/base/BinaryNode.h"

#include "nodes/base/Chains.h"

namespace php {

BinaryNode::BinaryNode(ParserBase* l, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

// A left operand that is a binary operator too continues the chain.
static BinaryNode* asBinary(ParserBase* node) { return dynamic_cast<BinaryNode*>(node); }

// The left spine is taken apart first, so a long chain is freed without
// recursing once per operand.
BinaryNode::~BinaryNode() {
    ParserBase* l = left;
    while (BinaryNode* b = asBinary(l)) {
        l = b->left;
        b->left = nullptr;
        delete b;
    }
    delete l;
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

// This node and each left operand below it that is a binary operator, top
// first. The passes walk it in a loop instead of recursing down the left
// operands, in the same order as the recursion would.
void BinaryNode::leftSpine(std::vector<BinaryNode*>& spine) {
    for (BinaryNode* n = this; n; n = asBinary(n->left)) spine.push_back(n);
}

// As linkChild for both operands, recursively: each left operand is adopted
// and linked before its node's right operand, then the node's type is set and
// its flow computed. Every left operand on the spine gets the chain's anchor
// as its predecessor.
void BinaryNode::link() {
    std::vector<BinaryNode*> spine;
    leftSpine(spine);
    ParserBase* anchor = chains::anchorBelow(this);
    for (size_t i = 1; i < spine.size(); ++i) {
        spine[i]->fileName = spine[i - 1]->fileName;
        spine[i]->parent = spine[i - 1];
        spine[i]->addPredecessor(anchor);
    }
    BinaryNode* bottom = spine.back();
    chains::linkFirstOperand(bottom, bottom->left, anchor);
    for (size_t i = spine.size(); i-- > 0;) {
        BinaryNode* n = spine[i];
        n->linkChild(n->right);
        if (n->left && n->right) n->staticType = n->resultType();
        if (i > 0) n->computeFlowIfAnalysing();
    }
}

// Each node checks and absorbs its left operand, then its right one.
void BinaryNode::check() {
    std::vector<BinaryNode*> spine;
    leftSpine(spine);
    for (size_t i = spine.size(); i-- > 0;) {
        BinaryNode* n = spine[i];
        if (i + 1 == spine.size())
            n->checkAndAbsorb(n->left);
        else
            n->absorbChild(n->left, true, true, true);  // checked in the step before
        n->checkAndAbsorb(n->right);
    }
}

// The right operand is evaluated before the left one, so along the spine all
// right operands come first, top down, then the bottom's left operand; the
// operations then apply bottom up. A node with a missing operand yields the
// unknown value without evaluating anything below it.
Value BinaryNode::compute(bool statically) {
    std::vector<BinaryNode*> spine;
    for (BinaryNode* n = this; n; n = asBinary(n->left)) {
        spine.push_back(n);
        if (!n->left || !n->right) break;
    }
    const bool complete = spine.back()->left && spine.back()->right;
    const size_t applied = complete ? spine.size() : spine.size() - 1;
    std::vector<Value> rights;
    rights.reserve(applied);
    for (size_t i = 0; i < applied; ++i)
        rights.push_back(statically ? spine[i]->right->staticValue() : spine[i]->right->evaluate());
    Value acc;
    if (complete) {
        ParserBase* first = spine.back()->left;
        acc = statically ? first->staticValue() : first->evaluate();
    }
    for (size_t i = applied; i-- > 0;) {
        BinaryNode* n = spine[i];
        n->applyInto(acc, rights[i]);
        acc.fileName = n->fileName;
        acc.line = n->location.firstLine;
    }
    return acc;
}

Value BinaryNode::evaluate() { return compute(false); }

Value BinaryNode::staticValue() { return compute(true); }

void BinaryNode::computeFlow() { combineFlow(left, right); }

void BinaryNode::collectChildren(std::vector<ParserBase*>& out) {
    if (left) out.push_back(left);
    if (right) out.push_back(right);
}

}  // namespace php
