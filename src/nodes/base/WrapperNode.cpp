#include "nodes/base/WrapperNode.h"

namespace php {

WrapperNode::WrapperNode(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

WrapperNode::WrapperNode(ParserBase* x, const Location& loc) : ParserBase(loc) { inner = adopt(x); }

WrapperNode::~WrapperNode() { delete inner; }

void WrapperNode::link() {
    linkChild(inner);
    if (inner) staticType = inner->staticType;
}

void WrapperNode::check() { checkAndAbsorb(inner); }

Value WrapperNode::evaluate() { return inner ? inner->evaluate() : Value(); }

Value WrapperNode::staticValue() { return inner ? inner->staticValue() : Value(); }

ParserBase* WrapperNode::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void WrapperNode::computeFlow() { adoptFlow(inner); }

void WrapperNode::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
