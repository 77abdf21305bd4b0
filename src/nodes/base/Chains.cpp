#include "nodes/base/Chains.h"

#include "nodes/UpitnikOperator.h"
#include "nodes/base/BinaryNode.h"

namespace php::chains {

ParserBase* firstOperand(ParserBase* node) {
    if (auto* b = dynamic_cast<BinaryNode*>(node)) return b->left;
    if (auto* u = dynamic_cast<UpitnikOperator*>(node)) return u->condition;
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
