#include "nodes/base/Chains.h"

#include "nodes/UpitnikOperator.h"
#include "nodes/base/BinaryNode.h"

namespace php::chains {

ParserBase* firstOperand(ParserBase* node) {
    if (!node) return nullptr;
    const int k = node->kind();
    if (BinaryNode::isBinaryKind(k)) return static_cast<BinaryNode*>(node)->left;
    if (k == UpitnikOperator::Kind) return static_cast<UpitnikOperator*>(node)->condition;
    return nullptr;
}

ParserBase* anchorBelow(ParserBase* node) {
    ParserBase* p = node->parent;
    if (p && firstOperand(p) == node && node->predecessors.size() == 1)
        return *node->predecessors.begin();
    return node;
}

void linkFirstOperand(ParserBase* node, ParserBase* child, ParserBase* anchor) {
    if (!child) return;
    child->fileName = node->fileName;
    child->parent = node;
    child->addPredecessor(anchor);
    child->link();
    child->computeFlowIfAnalysing();
}

}  // namespace php::chains
