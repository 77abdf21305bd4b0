#include "nodes/ListaNaredbi.h"

#include "diagnostics/Greska.h"
#include "diagnostics/NedostizanKod.h"
#include "nodes/Naredba.h"
#include "tree/FlowState.h"
#include "tree/NodeCast.h"

namespace php {

// Takes over the previous list's vector, so a file of n statements is built
// in O(n) without nesting. Empty statements (null) are not kept.
ListaNaredbi::ListaNaredbi(ParserBase* list, ParserBase* statement) {
    ParserBase* prev = adopt(list);
    if (!takeOverItems(*this, prev) && prev) {
        location = prev->location;
        items.push_back(prev);
    }
    ParserBase* s = adopt(statement);
    if (!s) return;
    if (items.empty()) location = s->location;
    items.push_back(s);
}

ListaNaredbi::~ListaNaredbi() {
    for (ParserBase* s : items) delete s;
}

void ListaNaredbi::link() {
    removeNulls(items);
    // Statements appended meanwhile (autoloaded files) link themselves.
    const size_t parsed = items.size();
    for (size_t i = 0; i < parsed; ++i) linkChild(items[i]);
    alwaysLeavesFlag = false;
    for (ParserBase* s : items) {
        if (s->alwaysLeaves()) {
            alwaysLeavesFlag = true;
            break;
        }
    }
}

// By index: a statement appended while the list is checked (the autoload
// case of includes) is checked when the loop reaches it. Each statement is
// folded before the next is checked, so the next one sees its definitions.
void ListaNaredbi::check() {
    for (size_t i = 0; i < items.size(); ++i) {
        ParserBase* s = items[i];
        if (!s) continue;
        s->check();
        // Appended (autoloaded) statements are never unreachable through what
        // precedes them in the file.
        if (s->isTerminator() && i + 1 < items.size() && i + 1 < firstAppended &&
            !nodeAs<Naredba>(s)) {
            ParserBase* next = items[i + 1];
            if (next)
                semanticList().push_back(
                    new greske::NedostizanKod(next->fileName, next->location.firstLine));
        }
        absorbChild(s, true, true, true);
    }
}

// Not chained into this list's flow graph: what precedes the append point in
// the file says nothing about whether the autoloaded code runs.
void ListaNaredbi::appendAtFileLevel(ParserBase* statements) {
    if (!statements) return;
    if (firstAppended > items.size()) firstAppended = items.size();
    items.push_back(statements);
    statements->parent = this;
    statements->addPredecessor(this);
    statements->link();
    statements->computeFlowIfAnalysing();
}

Value ListaNaredbi::evaluate() { return Value(); }

// The chain is built from the back; a terminator starts it afresh, so what
// follows a terminator is cut off.
void ListaNaredbi::computeFlow() {
    FlowState* chain = nullptr;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        ParserBase* s = *it;
        if (!s) continue;
        FlowState* own = s->flowState();
        if (!own) own = new FlowState();
        if (chain && !s->isTerminator()) own->absorb(chain);
        chain = own;
    }
    flow = chain ? chain : new FlowState();
}

void ListaNaredbi::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* s : items)
        if (s) out.push_back(s);
}

}  // namespace php
