#include "tree/ParserBase.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

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
#include "tree/FlowWanted.h"
#include "tree/Start.h"

namespace php {

ParserBase::ParserBase(int32_t fl, int32_t fc, int32_t ll, int32_t lc) : location(Location(fl, fc, ll, lc)) {}

ParserBase::ParserBase() = default;

ParserBase::ParserBase(const ParserBase* other) {
    if (other) location = other->location;
}

ParserBase::ParserBase(const Location& loc) : location(loc) {}

static_assert(sizeof(void*) != 8 || sizeof(ParserBase) <= 72, "the node base grew");

const ParserBase* ParserBase::KeepChildSets::keeping_ = nullptr;

namespace {
// Exit sets, which no node of the tree fills today, live beside the nodes
// rather than in every one of them.
std::unordered_map<const ParserBase*, NodeSet>& exitSets() {
    static std::unordered_map<const ParserBase*, NodeSet> sets;
    return sets;
}
}  // namespace

// The flow state is not deleted: graphs may be shared between nodes.
ParserBase::~ParserBase() {
    if (extras_) {
        delete extras_->definitions;
        delete extras_->usedNames;
        delete extras_->pendingUses;
        delete extras_;
    }
    if (!exitSets().empty()) exitSets().erase(this);
}

ParserBase* ParserBase::unwrap() { return this; }
Value ParserBase::staticValue() { return Value(); }
FlowState* ParserBase::flowState() { return flow; }

void ParserBase::computeFlowIfAnalysing() {
    if (!runState()->definitionsMode && FlowWanted::current()) computeFlow();
}

int ParserBase::kind() const { return 0; }
bool ParserBase::isTerminator() { return false; }
bool ParserBase::isBranching() { return false; }
bool ParserBase::isCallLike() { return false; }
bool ParserBase::alwaysLeaves() { return false; }

void ParserBase::addPredecessor(ParserBase* node) {
    if (predecessors.insert(node)) definitionsAppeared();
}

void ParserBase::addPredecessors(const NodeSet* nodes) {
    if (!nodes) return;
    for (ParserBase* n : *nodes) addPredecessor(n);
}

NodeSet* ParserBase::exitNodes() {
    if (exitSets().empty()) return nullptr;
    auto it = exitSets().find(this);
    return it != exitSets().end() && !it->second.empty() ? &it->second : nullptr;
}

void ParserBase::addExitNode(ParserBase* node) {
    if (!node) return;
    exitSets()[this].insert(node);
}

void ParserBase::addExitNodes(const NodeSet* nodes) {
    if (!nodes) return;
    for (ParserBase* n : *nodes) addExitNode(n);
}

// A function or method body, a class or interface declaration (told by kind
// too, before its class exists) or a file root.
//
// Node kinds are distinct per class: function bodies are 39 and 32, roots
// 172, and only the two declarations (40, 41) have a declared class. Any
// other kind is answered without the casts, which on this path (once per
// node) cost a tenth of the run; kind 0 (a class outside the table) gets the
// full test.
namespace {
bool mayBeFunctionBody(int k) { return k == 0 || k == 39 || k == 32; }
bool mayBeRoot(int k) { return k == 0 || k == 172; }

// The root, told by its kind (no class derives from Start).
Start* asRoot(ParserBase* n) {
    const int k = n->kind();
    if (k == 172) return static_cast<Start*>(n);
    return k == 0 ? dynamic_cast<Start*>(n) : nullptr;
}

// The function-body mix-in of a function declaration or method definition.
// Reaching it from the node base is a cross-cast, which dynamic_cast does by
// a full search of the class graph (a tenth of a microsecond, and the scope
// walks ask hundreds of thousands of times). Neither class has subclasses
// or virtual bases, so the mix-in lies at a fixed offset in each: it is
// found once by dynamic_cast and then added.
UtilFunkcija* asFunctionBody(ParserBase* n) {
    const int k = n->kind();
    if (k != 39 && k != 32) return k == 0 ? dynamic_cast<UtilFunkcija*>(n) : nullptr;
    static std::ptrdiff_t offset[2];
    static bool known[2];
    const int i = k == 39 ? 0 : 1;
    if (!known[i]) {
        UtilFunkcija* body = dynamic_cast<UtilFunkcija*>(n);
        if (!body) return nullptr;
        offset[i] = reinterpret_cast<char*>(body) - reinterpret_cast<char*>(n);
        known[i] = true;
    }
    return reinterpret_cast<UtilFunkcija*>(reinterpret_cast<char*>(n) + offset[i]);
}
}  // namespace

bool ParserBase::canOwnScope() const {
    auto* self = const_cast<ParserBase*>(this);
    const int k = kind();
    if (k == 40 || k == 41) return true;
    if (!mayBeFunctionBody(k) && !mayBeRoot(k)) return false;
    return asFunctionBody(self) || asRoot(self) || self->declaredClass();
}

// Parents are set before anything asks (link sets them top-down), and a node
// is never moved under another scope once linked, so the answer is kept on
// every node of the walk.
ParserBase* ParserBase::scopeAncestor() {
    if (scopeAnchor) return scopeAnchor;
    static std::vector<ParserBase*> path;
    path.clear();
    ParserBase* found = nullptr;
    for (ParserBase* n = this; n->parent; n = n->parent) {
        path.push_back(n);
        ParserBase* p = n->parent;
        if (p->canOwnScope()) {
            found = p;
            break;
        }
        if (p->scopeAnchor) {
            found = p->scopeAnchor;
            break;
        }
    }
    if (found)
        for (ParserBase* n : path) n->scopeAnchor = found;
    return found;
}

SymbolTable* ParserBase::enclosingScope() {
    for (ParserBase* n = this; n; n = n->scopeAncestor()) {
        const int kn = n->kind();
        if (auto* body = mayBeFunctionBody(kn) ? asFunctionBody(n) : nullptr) {
            if (body->function) return body->function->scope;
        } else if (Klasa* k = n->declaredClass()) {
            return k->members;
        } else if (auto* start = mayBeRoot(kn) ? asRoot(n) : nullptr) {
            return runState()->definitionsMode ? globalBuiltinScope() : start->scope;
        }
    }
    return nullptr;
}

Klasa* ParserBase::declaredClass() { return nullptr; }

SymbolTable* ParserBase::rootScope() {
    ParserBase* n = this;
    while (ParserBase* up = n->scopeAncestor()) n = up;
    auto* start = asRoot(n);
    return start ? start->scope : nullptr;
}

// The two declaration classes are told by their kind numbers (interface 40,
// class 41): the node base is built before, and without, the node classes.
ParserBase* ParserBase::enclosingTypeDeclaration() {
    for (ParserBase* n = this; n; n = n->scopeAncestor()) {
        if (asRoot(n)) return nullptr;
        const int k = n->kind();
        if (k == 40 || k == 41) return n;
    }
    return nullptr;
}

UtilFunkcija* ParserBase::enclosingFunctionBody() {
    for (ParserBase* n = this; n; n = n->scopeAncestor())
        if (auto* body = asFunctionBody(n)) return body;
    return nullptr;
}

namespace {

// Changes whenever definitions may have appeared at a node that had none, or
// a predecessor was added: what a lookup remembered about runs of nodes
// without definitions holds only within one epoch.
uint32_t definitionsEpoch = 1;

bool hasDefinitions(const ParserBase* n) { return n->definitions() && !n->definitions()->empty(); }

bool passThrough(const ParserBase* n) {
    return !hasDefinitions(n) && n->predecessors.size() == 1;
}

}  // namespace

void ParserBase::definitionsAppeared() {
    if (++definitionsEpoch == 0) ++definitionsEpoch;
}

// The first node at or above `n` that a lookup must look at: a run of nodes
// without definitions and with one predecessor each (the parents above a
// read deep inside an expression, all still being checked) is crossed in one
// step, and remembered on every node of the run, so reads from a chain of n
// operators cost O(n) and not O(n^2). Nodes already visited by this lookup
// (`mark`) end the run, which also ends cycles.
static ParserBase* skipRun(ParserBase* n, uint32_t mark) {
    static std::vector<ParserBase*> run;
    run.clear();
    while (passThrough(n) && n->lookupMark != mark) {
        const NodeExtras* x = n->extrasIfAny();
        if (x && x->lookupSkip && x->lookupSkipEpoch == definitionsEpoch) {
            n = x->lookupSkip;
            break;
        }
        n->lookupMark = mark;
        run.push_back(n);
        n = *n->predecessors.begin();
    }
    for (ParserBase* r : run) {
        NodeExtras& x = r->extras();
        x.lookupSkip = n;
        x.lookupSkipEpoch = definitionsEpoch;
    }
    return n;
}

// Depth first through the predecessors, in their order, with an explicit
// stack: predecessor chains are as long as the input is deep. Each lookup has
// its own mark, so a node reached along several paths (nested loops, shared
// headers) is searched once and cycles end.
NameRecord* ParserBase::lookupDefinition(const NameRecord& record) {
    static uint32_t lastLookup = 0;
    static std::vector<ParserBase*> stack;
    if (++lastLookup == 0) ++lastLookup;  // 0 is the mark of a node never visited
    const uint32_t mark = lastLookup;
    const size_t base = stack.size();
    stack.push_back(this);
    NameRecord* found = nullptr;
    while (stack.size() > base) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (n->lookupMark == mark) continue;
        if (n != this) n = skipRun(n, mark);
        if (n->lookupMark == mark) continue;
        n->lookupMark = mark;
        if (const NameSet* defs = n->definitions()) {
            auto it = defs->find(record);
            if (it != defs->end()) {
                found = const_cast<NameRecord*>(&*it);
                break;
            }
        }
        const NodeSet& preds = n->predecessors;
        for (auto p = preds.end(); p != preds.begin();) stack.push_back(*--p);
    }
    stack.resize(base);
    return found;
}

// Whether the class or one of its ancestors lists an interface ArrayAccess.
static bool implementsArrayAccess(const Klasa* k) { return k->listsInterfaceNamed("ArrayAccess"); }

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
    if (!child || !child->pendingUses()) return;
    for (const NameRecord& use : *child->pendingUses()) {
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

namespace {

// `stored` stays in its set; `arriving` is its equal from the other set.
void meet(NameRecord& stored, const NameRecord& arriving, ParserBase::Join join) {
    if (join == ParserBase::Join::Sequence)
        stored.type = arriving.type;
    else if (stored.type != arriving.type)
        stored.type = nullptr;
}

// The type and index depth are not part of the set order, so they may be
// changed in place.
NameRecord& inPlace(const NameRecord& r) { return const_cast<NameRecord&>(r); }

void unite(NameSet*& mine, const NameSet* other, ParserBase::Join join) {
    if (!other) return;
    if (!mine) {
        mine = new NameSet(*other);
        return;
    }
    if (mine == other) return;
    for (const NameRecord& r : *other) {
        auto [it, inserted] = mine->insert(r);
        if (!inserted) meet(inPlace(*it), r, join);
    }
}

// Moves the tree nodes over instead of copying records; the larger set is
// kept, so merging a long sequence of small sets into one stays linear.
void take(NameSet*& mine, NameSet*& other, ParserBase::Join join) {
    if (!other) return;
    if (!mine) {
        mine = other;
        other = nullptr;
        return;
    }
    if (mine == other) {
        other = nullptr;
        return;
    }
    if (other->size() <= mine->size()) {
        mine->merge(*other);  // what stays behind has an equal in `mine`
        for (const NameRecord& r : *other) meet(inPlace(*mine->find(r)), r, join);
        delete other;
    } else {
        other->merge(*mine);
        for (const NameRecord& r : *mine) {
            NameRecord& kept = inPlace(*other->find(r));
            NameRecord arriving = kept;
            kept = r;  // the stored record keeps its place and name
            meet(kept, arriving, join);
        }
        delete mine;
        mine = other;
    }
    other = nullptr;
}

bool filled(const NameSet* s) { return s && !s->empty(); }

// Whether the side record holds the one set `field` and nothing else.
bool holdsOnly(const NodeExtras* x, NameSet* NodeExtras::*field) {
    return !x->lookupSkip && (field == &NodeExtras::definitions || !x->definitions) &&
           (field == &NodeExtras::usedNames || !x->usedNames) &&
           (field == &NodeExtras::pendingUses || !x->pendingUses);
}

}  // namespace

// Called from outside the folds the set may be anyone's definitions, so a set
// that fills counts as definitions appearing.
void ParserBase::uniteInto(NameSet*& mine, const NameSet* other, Join join) {
    const bool had = filled(mine);
    unite(mine, other, join);
    if (!had && filled(mine)) definitionsAppeared();
}

void ParserBase::takeInto(NameSet*& mine, NameSet*& other, Join join) {
    const bool had = filled(mine);
    take(mine, other, join);
    if (!had && filled(mine)) definitionsAppeared();
}

void ParserBase::intersectInto(NameSet*& mine, const NameSet* other) {
    if (!other) {
        delete mine;
        mine = nullptr;
        return;
    }
    if (!mine || mine == other) return;
    for (auto it = mine->begin(); it != mine->end();) {
        auto match = other->find(*it);
        if (match == other->end()) {
            it = mine->erase(it);
            continue;
        }
        meet(inPlace(*it), *match, Join::Alternatives);
        ++it;
    }
}

// Function declarations (kind 39) and method definitions (kind 32) read
// their header's and body's sets after folding them.
bool ParserBase::consumesChildSets() const {
    if (KeepChildSets::keeping_ == this) return false;
    const int k = kind();
    return k != 39 && k != 32;
}

// The side records are created only where a set lands and given back as the
// sets move on, so that a node holds one only while it has something in it.
void ParserBase::foldSet(SetField mine, ParserBase* child, SetField theirs, bool uniting, Join join) {
    NodeExtras* from = child->extras_;
    NameSet* childSet = from ? from->*theirs : nullptr;
    if (!uniting) {
        intersectField(mine, childSet);
        return;
    }
    if (!childSet) return;  // a union with nothing
    const bool consuming = consumesChildSets();
    if (!extras_ && consuming && holdsOnly(from, theirs)) {
        // The child's side record would be given back as soon as its one set
        // moved into a fresh record here: the record itself moves instead.
        extras_ = from;
        child->extras_ = nullptr;
        if (mine != theirs) {
            from->*mine = childSet;
            from->*theirs = nullptr;
        }
        if (mine == &NodeExtras::definitions && filled(childSet)) definitionsAppeared();
        return;
    }
    NameSet*& target = extras().*mine;
    const bool had = filled(target);
    if (consuming)
        take(target, from->*theirs, join);
    else
        unite(target, childSet, join);
    if (mine == &NodeExtras::definitions && !had && filled(target)) definitionsAppeared();
    child->releaseUnusedExtras();
    releaseUnusedExtras();
}

// An intersection never fills an empty set, so it never adds definitions.
void ParserBase::intersectField(SetField mine, const NameSet* other) {
    if (!extras_ || !(extras_->*mine)) return;
    intersectInto(extras_->*mine, other);
    releaseUnusedExtras();
}

void ParserBase::intersectDefinitions(const NameSet* s) { intersectField(&NodeExtras::definitions, s); }
void ParserBase::intersectUsedNames(const NameSet* s) { intersectField(&NodeExtras::usedNames, s); }
void ParserBase::intersectPendingUses(const NameSet* s) { intersectField(&NodeExtras::pendingUses, s); }

void ParserBase::unionDefinitions(const NameSet* s, Join join) {
    if (s) uniteInto(definitionsSlot(), s, join);
}

void ParserBase::takeDefinitions(NameSet*& s, Join join) {
    if (s) takeInto(definitionsSlot(), s, join);
}

void ParserBase::absorbChild(ParserBase* child, bool defs, bool used, bool pending, Join defsJoin) {
    if (!child) return;
    resolveUses(child);
    foldSet(&NodeExtras::definitions, child, &NodeExtras::definitions, defs, defsJoin);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::usedNames, used);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::pendingUses, pending);
}

void ParserBase::foldUses(ParserBase* child) {
    if (!child) return;
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::usedNames, true);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::pendingUses, true);
}

void ParserBase::propagateChild(ParserBase* child, bool defs, bool used, bool pending) {
    if (!child) return;
    foldSet(&NodeExtras::definitions, child, &NodeExtras::definitions, defs);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::usedNames, used);
    foldSet(&NodeExtras::pendingUses, child, &NodeExtras::pendingUses, pending);
}

void ParserBase::absorbDeclaration(ParserBase* child, bool defs, bool used, bool pending) {
    if (!child) return;
    foldSet(&NodeExtras::definitions, child, &NodeExtras::definitions, defs);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::usedNames, used);
    foldSet(&NodeExtras::definitions, child, &NodeExtras::pendingUses, pending);
}

void ParserBase::absorbDefinitionsOnly(ParserBase* child, bool defs, bool used) {
    if (!child) return;
    foldSet(&NodeExtras::definitions, child, &NodeExtras::definitions, defs);
    foldSet(&NodeExtras::usedNames, child, &NodeExtras::usedNames, used);
}

void ParserBase::addDefinition(const NameRecord& record) {
    NameSet*& defs = definitionsSlot();
    if (!defs) defs = new NameSet();
    if (defs->size() == 0) definitionsAppeared();
    defs->insert(record);
}

void ParserBase::addPendingUse(const NameRecord& record) {
    NameSet*& uses = pendingUsesSlot();
    if (!uses) uses = new NameSet();
    uses->insert(record);
}

void ParserBase::setPendingType(Type* type) {
    if (!pendingUses()) return;
    for (const NameRecord& r : *pendingUses()) const_cast<NameRecord&>(r).type = type;
}

void ParserBase::setPendingIndexDepth(int32_t depth) {
    if (!pendingUses()) return;
    for (const NameRecord& r : *pendingUses()) const_cast<NameRecord&>(r).indexDepth = depth;
}

// Iterative: trees of included files and long operator chains can be deep.
// Children go onto the stack directly, reversed in place, so that the first
// child is visited first (the set keeps the first of equal records).
void ParserBase::collectDefinitions(NameSet& out) {
    std::vector<ParserBase*> stack{this};
    while (!stack.empty()) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (const NameSet* defs = n->definitions()) out.insert(defs->begin(), defs->end());
        const size_t before = stack.size();
        n->collectChildren(stack);
        std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(before), stack.end());
    }
}

bool ParserBase::anyInSubtree(bool (*predicate)(ParserBase*, void*), void* argument) {
    std::vector<ParserBase*> stack{this};
    while (!stack.empty()) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (predicate(n, argument)) return true;
        const size_t before = stack.size();
        n->collectChildren(stack);
        std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(before), stack.end());
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

// Most expressions are a chain of lone states ending in their own: only the
// last is ever a leaf, and nothing but leaves takes part in later steps, so
// such a chain is kept as one state that takes the owner of the last. The
// children's flow pointers are not read once their parent has its flow,
// except the items of the lists that chainItemFlows builds.
void ParserBase::adoptFlow(ParserBase* child) {
    FlowState* graph = child ? child->flowState() : nullptr;
    if (!graph) {
        seedFlow();
        return;
    }
    if (mergeLoneStates(&graph, 1, true)) return;
    flow = graph;
    offerOrDestroy(flow, new FlowState(this));
}

bool ParserBase::mergeLoneStates(FlowState* const* states, size_t count, bool startsEmpty) {
    FlowState* keep = nullptr;
    for (size_t i = 0; i < count; ++i) {
        FlowState* s = states[i];
        if (!s) continue;
        if (!s->standsAlone() || s == keep) return false;  // siblings never share a state
        if (!keep) keep = s;
    }
    for (size_t i = 0; i < count; ++i)
        if (states[i] && states[i] != keep) delete states[i];
    flow = keep ? keep : new FlowState();
    flow->owner = this;
    // More than this node's own state: a chain, however short.
    flow->standsForChain = keep || startsEmpty;
    return true;
}

void ParserBase::combineFlow(ParserBase* first, ParserBase* second) {
    FlowState* a = first ? first->flowState() : nullptr;
    FlowState* b = second ? second->flowState() : nullptr;
    if (a != b) {
        FlowState* both[] = {a, b};
        if (mergeLoneStates(both, 2, true)) return;
    }
    flow = a ? a : new FlowState();
    if (b) offerOrDestroy(flow, b);
    offerOrDestroy(flow, new FlowState(this));
}

void ParserBase::sequenceFlow(const std::vector<ParserBase*>& items) {
    FlowState* few[8];
    std::vector<FlowState*> many;
    FlowState** states = few;
    if (items.size() > 8) {
        many.resize(items.size());
        states = many.data();
    }
    for (size_t i = 0; i < items.size(); ++i) states[i] = items[i] ? items[i]->flowState() : nullptr;
    if (!mergeLoneStates(states, items.size(), false)) chainItemFlows(items);
}

void ParserBase::chainItemFlows(const std::vector<ParserBase*>& items) {
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

namespace {

// The children lists of nested linkChildren and checkChildren calls share one
// buffer, each above its caller's part, instead of a vector per call. Read by
// index: the buffer may move while a nested call grows it.
class ChildList {
public:
    explicit ChildList(ParserBase* node) : buffer_(buffer()), base_(buffer_.size()) {
        node->collectChildren(buffer_);
        end_ = buffer_.size();
    }
    ~ChildList() { buffer_.resize(base_); }
    ChildList(const ChildList&) = delete;
    ChildList& operator=(const ChildList&) = delete;
    size_t begin() const { return base_; }
    size_t end() const { return end_; }
    ParserBase* operator[](size_t i) const { return buffer_[i]; }

private:
    static std::vector<ParserBase*>& buffer() {
        static std::vector<ParserBase*> shared;
        return shared;
    }
    std::vector<ParserBase*>& buffer_;
    size_t base_;
    size_t end_;
};

}  // namespace

void ParserBase::linkChildren() {
    const ChildList children(this);
    for (size_t i = children.begin(); i < children.end(); ++i) linkChild(children[i]);
}

void ParserBase::checkChildren() {
    const ChildList children(this);
    for (size_t i = children.begin(); i < children.end(); ++i) checkAndAbsorb(children[i]);
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
