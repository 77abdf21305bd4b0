#include "tree/ParserBase.h"

#include <algorithm>

#include "diagnostics/FaliGlobal.h"
#include "diagnostics/NedefinisanaKonstanta.h"
#include "diagnostics/NeinicijalizovanaPromenljiva.h"
#include "diagnostics/NijeNiz.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "tree/FlowState.h"
#include "tree/Start.h"

namespace php {

ParserBase::ParserBase(int32_t fl, int32_t fc, int32_t ll, int32_t lc) : location(fl, fc, ll, lc) {}

ParserBase::ParserBase() = default;

ParserBase::ParserBase(const ParserBase* other) {
    if (other) location = other->location;
}

ParserBase::ParserBase(const Location& loc) : location(loc) {}

// The flow state is not deleted: graphs may be shared between nodes.
ParserBase::~ParserBase() {
    delete definitions;
    delete usedNames;
    delete pendingUses;
    delete predecessors;
    delete exits;
}

ParserBase* ParserBase::unwrap() { return this; }
Value ParserBase::staticValue() { return Value(); }
FlowState* ParserBase::flowState() { return flow; }

void ParserBase::computeFlowIfAnalysing() {
    if (!runState()->definitionsMode) computeFlow();
}

int ParserBase::kind() const { return 0; }
bool ParserBase::isTerminator() { return false; }
bool ParserBase::isBranching() { return false; }
bool ParserBase::isCallLike() { return false; }
bool ParserBase::alwaysLeaves() { return false; }

void ParserBase::addPredecessor(ParserBase* node) {
    if (!predecessors) predecessors = new NodeSet();
    predecessors->insert(node);
}

void ParserBase::addPredecessors(const NodeSet* nodes) {
    if (!nodes) return;
    for (ParserBase* n : *nodes) addPredecessor(n);
}

NodeSet* ParserBase::exitNodes() { return exits && !exits->empty() ? exits : nullptr; }

void ParserBase::addExitNode(ParserBase* node) {
    if (!node) return;
    if (!exits) exits = new NodeSet();
    exits->insert(node);
}

void ParserBase::addExitNodes(const NodeSet* nodes) {
    if (!nodes) return;
    for (ParserBase* n : *nodes) addExitNode(n);
}

SymbolTable* ParserBase::enclosingScope() {
    for (ParserBase* n = this; n; n = n->parent) {
        if (auto* body = dynamic_cast<UtilFunkcija*>(n)) {
            if (body->function) return body->function->scope;
        } else if (Klasa* k = n->declaredClass()) {
            return k->members;
        } else if (auto* start = dynamic_cast<Start*>(n)) {
            return runState()->definitionsMode ? globalBuiltinScope() : start->scope;
        }
    }
    return nullptr;
}

Klasa* ParserBase::declaredClass() { return nullptr; }

SymbolTable* ParserBase::rootScope() {
    ParserBase* n = this;
    while (n->parent) n = n->parent;
    auto* start = dynamic_cast<Start*>(n);
    return start ? start->scope : nullptr;
}

// The two declaration classes are told by their kind numbers (interface 40,
// class 41): the node base is built before, and without, the node classes.
ParserBase* ParserBase::enclosingTypeDeclaration() {
    for (ParserBase* n = this; n; n = n->parent) {
        if (dynamic_cast<Start*>(n)) return nullptr;
        if (n->kind() == 40 || n->kind() == 41) return n;
    }
    return nullptr;
}

UtilFunkcija* ParserBase::enclosingFunctionBody() {
    for (ParserBase* n = this; n; n = n->parent)
        if (auto* body = dynamic_cast<UtilFunkcija*>(n)) return body;
    return nullptr;
}

NameRecord* ParserBase::lookupDefinition(const NameRecord& record) {
    if (lookupGuard) return nullptr;
    if (definitions) {
        auto it = definitions->find(record);
        if (it != definitions->end()) return const_cast<NameRecord*>(&*it);
    }
    if (!predecessors) return nullptr;
    lookupGuard = 1;
    for (ParserBase* p : *predecessors) {
        if (NameRecord* found = p->lookupDefinition(record)) {
            lookupGuard = 0;
            return found;
        }
    }
    lookupGuard = 0;
    return nullptr;
}

// Whether the class, a class up its parent chain, or an interface one of
// them lists (directly or through the interfaces it extends) is named
// ArrayAccess. Every class is visited once, so cycles in the class graph end.
static bool implementsArrayAccess(Klasa* k) {
    std::vector<Klasa*> pending{k};
    std::set<const Klasa*> seen;
    while (!pending.empty()) {
        Klasa* c = pending.back();
        pending.pop_back();
        if (!c || !seen.insert(c).second) continue;
        if (toLower(c->typeName) == "arrayaccess") return true;
        pending.push_back(c->parent);
        pending.insert(pending.end(), c->interfaces.begin(), c->interfaces.end());
    }
    return false;
}

// Whether a read indexed `use.indexDepth` times fits the type of the
// definition that reaches it. An unknown type and NULL (the usual value
// before an array is assigned on some path) are not reported.
static bool indexable(const NameRecord& use, Type* t) {
    if (!t || t == arrayType() || t->isNull()) return true;
    if (t->isObject()) return implementsArrayAccess(static_cast<Klasa*>(t));
    return t == stringType() && use.indexDepth <= 1;
}

// Reports never touch the child's set, so it is walked in place.
void ParserBase::resolveUses(ParserBase* child) {
    if (!child || !child->pendingUses) return;
    for (const NameRecord& use : *child->pendingUses) {
        if (NameRecord* def = lookupDefinition(use)) {
            if (use.indexDepth != 0 && !indexable(use, def->type))
                semanticList().push_back(new greske::NijeNiz(use.name, fileName, location.firstLine));
            continue;
        }
        if (use.scope == globalBuiltinScope()) continue;
        if (use.kind == 1) {
            semanticList().push_back(new greske::NedefinisanaKonstanta(use.name, use.file, use.line));
        } else {
            SymbolTable* root = rootScope();
            if (enclosingScope() != root && root && root->findVariable(use.name))
                semanticList().push_back(new greske::FaliGlobal(use.name, use.file, use.line));
            else
                semanticList().push_back(new greske::NeinicijalizovanaPromenljiva(use.name, use.file, use.line));
        }
        addDefinition(use);
    }
}

void ParserBase::uniteInto(NameSet*& mine, const NameSet* other) {
    if (!other) return;
    if (!mine) {
        mine = new NameSet(*other);
        return;
    }
    if (mine == other) return;
    mine->insert(other->begin(), other->end());
}

void ParserBase::intersectInto(NameSet*& mine, const NameSet* other) {
    if (!other) {
        delete mine;
        mine = nullptr;
        return;
    }
    if (!mine || mine == other) return;
    for (auto it = mine->begin(); it != mine->end();)
        it = other->count(*it) ? std::next(it) : mine->erase(it);
}

static void fold(NameSet*& mine, const NameSet* other, bool unite) {
    if (unite)
        ParserBase::uniteInto(mine, other);
    else
        ParserBase::intersectInto(mine, other);
}

void ParserBase::absorbChild(ParserBase* child, bool defs, bool used, bool pending) {
    if (!child) return;
    resolveUses(child);
    fold(definitions, child->definitions, defs);
    fold(usedNames, child->usedNames, used);
    fold(usedNames, child->pendingUses, pending);
}

void ParserBase::propagateChild(ParserBase* child, bool defs, bool used, bool pending) {
    if (!child) return;
    fold(definitions, child->definitions, defs);
    fold(usedNames, child->usedNames, used);
    fold(pendingUses, child->pendingUses, pending);
}

void ParserBase::absorbDeclaration(ParserBase* child, bool defs, bool used, bool pending) {
    if (!child) return;
    fold(definitions, child->definitions, defs);
    fold(usedNames, child->usedNames, used);
    fold(definitions, child->pendingUses, pending);
}

void ParserBase::absorbDefinitionsOnly(ParserBase* child, bool defs, bool used) {
    if (!child) return;
    fold(definitions, child->definitions, defs);
    fold(usedNames, child->usedNames, used);
}

void ParserBase::addDefinition(const NameRecord& record) {
    if (!definitions) definitions = new NameSet();
    definitions->insert(record);
}

void ParserBase::addPendingUse(const NameRecord& record) {
    if (!pendingUses) pendingUses = new NameSet();
    pendingUses->insert(record);
}

// The type and depth are not part of the set order, so they may be changed
// in place.
void ParserBase::setPendingType(Type* type) {
    if (!pendingUses) return;
    for (const NameRecord& r : *pendingUses) const_cast<NameRecord&>(r).type = type;
}

void ParserBase::setPendingIndexDepth(int32_t depth) {
    if (!pendingUses) return;
    for (const NameRecord& r : *pendingUses) const_cast<NameRecord&>(r).indexDepth = depth;
}

// Iterative: trees of included files and long operator chains can be deep.
void ParserBase::collectDefinitions(NameSet& out) {
    std::vector<ParserBase*> stack{this};
    std::vector<ParserBase*> children;
    while (!stack.empty()) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (n->definitions) out.insert(n->definitions->begin(), n->definitions->end());
        children.clear();
        n->collectChildren(children);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
}

bool ParserBase::anyInSubtree(bool (*predicate)(ParserBase*, void*), void* argument) {
    std::vector<ParserBase*> stack{this};
    std::vector<ParserBase*> children;
    while (!stack.empty()) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (predicate(n, argument)) return true;
        children.clear();
        n->collectChildren(children);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return false;
}

void ParserBase::seedFlow() { flow = new FlowState(this); }

// Offers `s` to the leaves of `graph`; destroys it when no leaf took it.
static void offerOrDestroy(FlowState* graph, FlowState* s) {
    if (!graph->absorb(s)) {
        s->destroyGraph();
        delete s;
    }
}

void ParserBase::adoptFlow(ParserBase* child) {
    if (!child || !child->flowState()) {
        seedFlow();
        return;
    }
    flow = child->flowState();
    offerOrDestroy(flow, new FlowState(this));
}

void ParserBase::combineFlow(ParserBase* first, ParserBase* second) {
    flow = first && first->flowState() ? first->flowState() : new FlowState();
    if (second && second->flowState()) offerOrDestroy(flow, second->flowState());
    offerOrDestroy(flow, new FlowState(this));
}

void ParserBase::sequenceFlow(const std::vector<ParserBase*>& items) {
    flow = new FlowState(this);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        ParserBase* item = *it;
        if (!item || !item->flowState()) continue;
        item->flowState()->absorb(flow);
        flow = item->flowState();
    }
}

void ParserBase::linkChild(ParserBase* child) {
    if (!child) return;
    child->fileName = fileName;
    child->parent = this;
    child->addPredecessor(this);
    child->link();
    child->computeFlowIfAnalysing();
}

void ParserBase::checkAndAbsorb(ParserBase* child) {
    if (!child) return;
    child->check();
    absorbChild(child, true, true, true);
}

void ParserBase::linkChildren() {
    std::vector<ParserBase*> children;
    collectChildren(children);
    for (ParserBase* c : children) linkChild(c);
}

void ParserBase::checkChildren() {
    std::vector<ParserBase*> children;
    collectChildren(children);
    for (ParserBase* c : children) checkAndAbsorb(c);
}

void ParserBase::removeNulls(std::vector<ParserBase*>& items) {
    items.erase(std::remove(items.begin(), items.end(), nullptr), items.end());
}

void ParserBase::linkItems(std::vector<ParserBase*>& items) {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ParserBase::checkItems(const std::vector<ParserBase*>& items) {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

void ParserBase::collectItems(const std::vector<ParserBase*>& items, std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

void ParserBase::deleteItems(std::vector<ParserBase*>& items) {
    for (ParserBase* item : items) delete item;
    items.clear();
}

}  // namespace php
