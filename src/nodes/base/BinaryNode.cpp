#include "nodes/base/BinaryNode.h"

#include <array>

#include "nodes/BitskiAnd.h"
#include "nodes/BitskiOr.h"
#include "nodes/BitskiXor.h"
#include "nodes/BoolAnd.h"
#include "nodes/BoolOr.h"
#include "nodes/Identicno.h"
#include "nodes/Jednako.h"
#include "nodes/Konkatenacija.h"
#include "nodes/LogAnd.h"
#include "nodes/LogOr.h"
#include "nodes/LogXor.h"
#include "nodes/Manje.h"
#include "nodes/ManjeJednako.h"
#include "nodes/Minus.h"
#include "nodes/Modul.h"
#include "nodes/Neidenticno.h"
#include "nodes/Nejednako.h"
#include "nodes/Plus.h"
#include "nodes/Podeljeno.h"
#include "nodes/Puta.h"
#include "nodes/ShlOperator.h"
#include "nodes/ShrOperator.h"
#include "nodes/Vece.h"
#include "nodes/VeceJednako.h"
#include "nodes/base/Chains.h"

namespace php {

BinaryNode::BinaryNode(ParserBase* l, const Location& opLocation, ParserBase* r)
    : ParserBase(opLocation) {
    left = adopt(l);
    right = adopt(r);
}

namespace {

// The kinds of the operators derived from this base, as a table: chains are
// walked once per node in each pass, and a kind lookup is far cheaper there
// than a dynamic_cast.
constexpr int KindCount = 256;
constexpr std::array<bool, KindCount> binaryKinds() {
    std::array<bool, KindCount> table{};
    for (int k : {BitskiAnd::Kind, BitskiOr::Kind, BitskiXor::Kind, BoolAnd::Kind, BoolOr::Kind, Identicno::Kind, Jednako::Kind, Konkatenacija::Kind, LogAnd::Kind, LogOr::Kind, LogXor::Kind, Manje::Kind, ManjeJednako::Kind, Minus::Kind, Modul::Kind, Neidenticno::Kind, Nejednako::Kind, Plus::Kind, Podeljeno::Kind, Puta::Kind, ShlOperator::Kind, ShrOperator::Kind, Vece::Kind, VeceJednako::Kind})
        table[k] = true;
    return table;
}
constexpr std::array<bool, KindCount> BinaryKinds = binaryKinds();

// The spines of nested chains share one buffer: the passes recurse through
// the operands, and each spine lies above the one of the chain it is in.
std::vector<BinaryNode*>& spineBuffer() {
    static std::vector<BinaryNode*> buffer;
    return buffer;
}

}  // namespace

bool BinaryNode::isBinaryKind(int kind) { return kind >= 0 && kind < KindCount && BinaryKinds[kind]; }

// A left operand that is a binary operator too continues the chain.
static BinaryNode* asBinary(ParserBase* node) {
    return node && BinaryNode::isBinaryKind(node->kind()) ? static_cast<BinaryNode*>(node) : nullptr;
}

// This node and each left operand below it that is a binary operator, top
// first, on the shared buffer for as long as the object lives. The passes
// walk it in a loop instead of recursing down the left operands, in the same
// order as the recursion would. Entries are read by index: the buffer may
// grow (and move) while a nested chain is on it.
class BinaryNode::Spine {
public:
    explicit Spine(BinaryNode* top) : buffer_(spineBuffer()), base_(buffer_.size()) {
        for (BinaryNode* n = top; n; n = asBinary(n->left)) buffer_.push_back(n);
        size_ = buffer_.size() - base_;
    }
    ~Spine() { buffer_.resize(base_); }
    Spine(const Spine&) = delete;
    Spine& operator=(const Spine&) = delete;
    size_t size() const { return size_; }
    BinaryNode* operator[](size_t i) const { return buffer_[base_ + i]; }
    BinaryNode* back() const { return buffer_[base_ + size_ - 1]; }

private:
    std::vector<BinaryNode*>& buffer_;
    size_t base_;
    size_t size_;
};

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

// As linkChild for both operands, recursively: each left operand is adopted
// and linked before its node's right operand, then the node's type is set and
// its flow computed. Every left operand on the spine gets the chain's anchor
// as its predecessor.
void BinaryNode::link() {
    const Spine spine(this);
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
    const Spine spine(this);
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
