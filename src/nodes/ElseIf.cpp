#include "nodes/ElseIf.h"

#include "nodes/FlowRules.h"

namespace php {

ElseIf::ElseIf(const char*, const Location& elseifLoc, ParserBase* cond, ParserBase* branch,
               ParserBase* els)
    : ParserBase(elseifLoc) {
    condition = adopt(cond);
    statement = adopt(branch);
    rest = adopt(els);
}

ElseIf::~ElseIf() {
    delete condition;
    delete statement;
    delete rest;
}

void ElseIf::link() {
    linkChild(condition);
    linkChild(statement);
    linkChild(rest);
}

// The union of all three; the enclosing if intersects it with its own
// branch. The rest is the other path, so a type the two paths disagree on
// becomes unknown.
void ElseIf::check() {
    checkAndAbsorb(condition);
    checkAndAbsorb(statement);
    if (!rest) return;
    rest->check();
    absorbChild(rest, true, true, true, Join::Alternatives);
}

Value ElseIf::evaluate() { return Value(); }

// As an if statement: both branches hang off every leaf of the condition.
void ElseIf::computeFlow() {
    flow = flowrules::flowOrEmpty(condition);
    const FlowSet leaves = flow->leafSet();
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(statement));
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(rest));
}

void ElseIf::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (statement) out.push_back(statement);
    if (rest) out.push_back(rest);
}

bool ElseIf::alwaysLeaves() {
    return statement && rest && statement->alwaysLeaves() && rest->alwaysLeaves();
}

}  // namespace php
