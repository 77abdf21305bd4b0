#include "nodes/IfKomanda.h"

#include "nodes/FlowRules.h"

namespace php {

IfKomanda::IfKomanda(const char*, const Location& ifLoc, ParserBase* cond, ParserBase* statement,
                     ParserBase* els)
    : ParserBase(ifLoc) {
    condition = adopt(cond);
    thenStatement = adopt(statement);
    elsePart = adopt(els);
}

IfKomanda::IfKomanda(const char*, const Location& ifLoc, ParserBase* cond, ParserBase* statements,
                     ParserBase* els, const char*, const Location&, ParserBase* end)
    : ParserBase(ifLoc) {
    condition = adopt(cond);
    thenStatement = adopt(statements);
    elsePart = adopt(els);
    delete adopt(end);  // the statement terminator carries no node
}

IfKomanda::~IfKomanda() {
    delete condition;
    delete elsePart;
    delete thenStatement;
}

void IfKomanda::link() {
    linkChild(condition);
    linkChild(thenStatement);
    linkChild(elsePart);
}

// A name survives the statement when the condition defines it or both
// branches do; the branches' own sets stay with them.
void IfKomanda::check() {
    checkAndAbsorb(condition);
    const NameSet* defined = nullptr;
    if (thenStatement) {
        thenStatement->check();
        defined = thenStatement->definitions();
        foldUses(thenStatement);
    }
    if (elsePart) {
        elsePart->check();
        if (defined && elsePart->definitions()) {
            // The then branch's records that the else branch defines too.
            NameSet* both = new NameSet();
            for (const NameRecord& r : *defined)
                if (elsePart->definitions()->count(r)) both->insert(both->end(), r);
            intersectInto(both, elsePart->definitions());  // types the branches disagree on
            takeDefinitions(both);
        }
        foldUses(elsePart);
    }
}

Value IfKomanda::evaluate() { return Value(); }

// Both branches hang off every leaf of the condition; a missing branch is an
// empty state, so the path that skips it stays visible.
void IfKomanda::computeFlow() {
    flow = flowrules::flowOrEmpty(condition);
    const FlowSet leaves = flow->leafSet();
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(thenStatement));
    flowrules::attachAtLeaves(leaves, flowrules::flowOrEmpty(elsePart));
}

void IfKomanda::collectChildren(std::vector<ParserBase*>& out) {
    if (condition) out.push_back(condition);
    if (thenStatement) out.push_back(thenStatement);
    if (elsePart) out.push_back(elsePart);
}

bool IfKomanda::alwaysLeaves() {
    return thenStatement && elsePart && thenStatement->alwaysLeaves() && elsePart->alwaysLeaves();
}

}  // namespace php
