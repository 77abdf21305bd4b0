#include "nodes/RuzniElseIf.h"

#include "nodes/FlowRules.h"

namespace php {

RuzniElseIf::RuzniElseIf(const char*, const Location& elseifLoc, ParserBase* cond,
                         ParserBase* statements, ParserBase* els)
    : ParserBase(elseifLoc) {
    condition = adopt(cond);
    statement = adopt(statements);
    rest = adopt(els);
}

RuzniElseIf::~RuzniElseIf() {
    delete condition;
    delete statement;
    delete rest;
}

void RuzniElseIf::link() {
    linkChild(condition);
    linkChild(statement);
    linkChild(rest);
}

// The union of all three; the enclosing if intersects it with its own
// branch. The rest is the other path, so a type the two paths disagree on
// becomes unknown.
void RuzniElseIf::check() {
    checkAndAbsorb(condition);
    checkAndAbsorb(statement);
    if (!rest) return;
    rest->check();
    absorbChild(rest, true, true, true, Join::Alternatives);
}

Value RuzniElseIf::evaluate() { return Value(); }

// As an if statement: both branches hang off every leaf of the condition.
void RuzniElseIf::computeFlow() {
    flow = flowrules::flowOrEmpty(condition);
    const FlowSet leaves = flow->leafSet();
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(statement));
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(rest));
}

void RuzniElseIf::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (statement) out.push_back(statement);
    if (rest) out.push_back(rest);
}

bool RuzniElseIf::alwaysLeaves() {
    return statement && rest && statement->alwaysLeaves() && rest->alwaysLeaves();
}

}  // namespace php
