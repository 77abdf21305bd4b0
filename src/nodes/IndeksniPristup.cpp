#include "nodes/IndeksniPristup.h"

#include "diagnostics/FaliGlobal.h"
#include "diagnostics/NedeklarisanaPromenljiva.h"
#include "model/SymbolTable.h"
#include "nodes/ImePromenljive.h"
#include "tree/FlowState.h"
#include "tree/NodeCast.h"

namespace php {

IndeksniPristup::IndeksniPristup(ParserBase* name) : ParserBase(name), variable(adopt(name)) {}

// Takes over the previous node's variable and indexes, so a chain of n
// indexes is one node, built in O(n). It keeps the location of its variable.
IndeksniPristup::IndeksniPristup(ParserBase* previous, const char*, const Location& openLocation, ParserBase* index,
                                 const char*, const Location&)
    : ParserBase(openLocation) {
    previous = adopt(previous);
    if (auto* prev = nodeAs<IndeksniPristup>(previous)) {
        location = prev->location;
        variable = prev->variable;
        items = std::move(prev->items);
        prev->variable = nullptr;
        prev->items.clear();
        delete prev;
    } else {
        variable = previous;
        if (variable) location = variable->location;
    }
    items.push_back(adopt(index));
}

IndeksniPristup::~IndeksniPristup() {
    delete variable;
    for (ParserBase* item : items) delete item;
}

void IndeksniPristup::link() {
    linkChild(variable);
    for (ParserBase* item : items) linkChild(item);
}

// The variable's reads stay pending for the node above (an assignment turns
// them into definitions) and remember how deeply they are indexed.
void IndeksniPristup::check() {
    if (variable) {
        variable->check();
        propagateChild(variable, true, true, true);
    }
    if (!items.empty()) setPendingIndexDepth(static_cast<int32_t>(items.size()));
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value* IndeksniPristup::storedVariable(ParserBase* at, const std::string& name) {
    if (Value* builtin = globalBuiltinScope()->findVariable(name)) return builtin;
    SymbolTable* scope = at->enclosingScope();
    if (!scope) return nullptr;
    if (Value* stored = scope->findVariable(name)) return stored;
    SymbolTable* root = at->rootScope();
    if (root && root != scope && root->findVariable(name))
        semanticList().push_back(new greske::FaliGlobal(name, at->fileName, at->location.firstLine));
    else
        semanticList().push_back(new greske::NedeklarisanaPromenljiva(at->fileName, at->location.firstLine));
    auto* fresh = new Value(at->fileName, at->location.firstLine);
    scope->addVariable(name, fresh);
    return fresh;
}

// The braced form "${expr}" names no variable of its own: its value is
// unknown. Elements are read from a copy, so evaluating never changes the
// stored variable; only a known array with a known key yields an element.
Value IndeksniPristup::evaluate() {
    auto* name = nodeAs<ImePromenljive>(variable);
    if (!name || name->name.empty()) return Value();
    Value* stored = storedVariable(this, name->name);
    if (!stored) return Value();
    Value current = *stored;
    for (ParserBase* item : items) {
        if (!item) return Value();
        Value key = item->evaluate();
        if (!key.isComputable() || !current.isComputable() || !current.type->isArray()) return Value();
        Value* element = current.element(key, true);
        Value next = *element;
        current = std::move(next);
    }
    return current;
}

static void offerOrDestroy(FlowState* graph, FlowState* s) {
    if (!graph->absorb(s)) {
        s->destroyGraph();
        delete s;
    }
}

// The variable runs first, then each index in order, then this node.
void IndeksniPristup::computeFlow() {
    // Nearly always one index or two: no heap for the merge's list.
    FlowState* states[4];
    if (items.size() < 4) {
        size_t n = 0;
        states[n++] = variable ? variable->flowState() : nullptr;
        for (ParserBase* item : items) states[n++] = item ? item->flowState() : nullptr;
        if (mergeLoneStates(states, n, true)) return;
    }
    flow = variable && variable->flowState() ? variable->flowState() : new FlowState();
    for (ParserBase* item : items)
        if (item && item->flowState()) offerOrDestroy(flow, item->flowState());
    offerOrDestroy(flow, new FlowState(this));
}

void IndeksniPristup::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
