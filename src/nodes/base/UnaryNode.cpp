#include "nodes/base/UnaryNode.h"

namespace php {

UnaryNode::UnaryNode(ParserBase* x, const Location& loc) : ParserBase(loc) { operand = adopt(x); }

UnaryNode::~UnaryNode() { delete operand; }

void UnaryNode::link() {
    linkChild(operand);
    if (operand) staticType = resultType(operand->staticType);
}

void UnaryNode::check() { checkAndAbsorb(operand); }

Value UnaryNode::compute(bool statically) {
    if (!operand) return Value();
    Value x = statically ? operand->staticValue() : operand->evaluate();
    Value result = apply(x);
    result.fileName = fileName;
    result.line = location.firstLine;
    return result;
}

Value UnaryNode::evaluate() { return compute(false); }

Value UnaryNode::staticValue() { return compute(true); }

void UnaryNode::computeFlow() { adoptFlow(operand); }

void UnaryNode::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
