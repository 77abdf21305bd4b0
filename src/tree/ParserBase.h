#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/Value.h"
#include "model/FileName.h"
#include "tree/Location.h"
#include "tree/NameRecord.h"
#include "tree/NodePool.h"
#include "tree/NodeSet.h"

namespace php {

class FlowState;
class SymbolTable;
class Type;
class Klasa;
class UtilFunkcija;
class ParserBase;
class Start;


// What only some nodes ever hold, kept beside the node: the three name sets of
// the variable analysis (once a file is checked about one node in twenty
// still holds one; the sets move up the tree as they are folded) and the end
// of the run a lookup crossed from the node.
struct NodeExtras {
    NameSet* definitions = nullptr;
    NameSet* usedNames = nullptr;
    NameSet* pendingUses = nullptr;
    // A lookup passes through a node without definitions and with a single
    // predecessor at no profit: it remembers where such a run of nodes ends,
    // valid while no definitions appear anywhere (the epoch of the node base).
    ParserBase* lookupSkip = nullptr;
    uint32_t lookupSkipEpoch = 0;

    bool unused() const { return !definitions && !usedNames && !pendingUses && !lookupSkip; }
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }
};

// Base of every syntax-tree node: location, file, parent, flow state, static
// type, the three name sets of the variable analysis, and the two passes.
// A large file keeps about one node for every four bytes of source, so the
// fields are kept few: 72 bytes with the usual single predecessor inside and
// the rarely used fields aside.
class ParserBase {
public:
    // The first line shares a word with the lookup mark.
    NodeLocation location;
    // The number of the last lookup that visited this node (each lookup has
    // its own number, so a node is visited at most once per lookup).
    uint32_t lookupMark = 0;
    FileName fileName;
    ParserBase* parent = nullptr;
    FlowState* flow = nullptr;
    Type* staticType = nullptr;
    NodeSet predecessors;
    // The nearest proper ancestor that can own a scope (a function, method,
    // class or interface declaration, or a file root), found once and kept:
    // the scope walks would otherwise climb every level of a deep tree for
    // every name in it.
    ParserBase* scopeAnchor = nullptr;

private:
    NodeExtras* extras_ = nullptr;

public:

    ParserBase(int32_t firstLine, int32_t firstColumn, int32_t lastLine, int32_t lastColumn);
    ParserBase();
    explicit ParserBase(const ParserBase* other);
    explicit ParserBase(const Location& loc);
    ParserBase(const ParserBase&) = delete;
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }
    ParserBase& operator=(const ParserBase&) = delete;

    // Virtual interface, in slot order.
    virtual ~ParserBase();
    virtual void link() = 0;
    virtual void check() = 0;
    virtual Value evaluate() = 0;
    virtual ParserBase* unwrap();
    virtual Value staticValue();
    virtual FlowState* flowState();
    virtual void computeFlowIfAnalysing();
    virtual int kind() const;
    virtual void computeFlow() = 0;
    virtual void collectChildren(std::vector<ParserBase*>& out) = 0;
    virtual bool isTerminator();
    virtual bool isBranching();
    virtual bool isCallLike();
    virtual bool alwaysLeaves();
    virtual void addPredecessor(ParserBase* node);
    virtual void addPredecessors(const NodeSet* nodes);
    virtual NodeSet* exitNodes();
    virtual void addExitNode(ParserBase* node);
    virtual void addExitNodes(const NodeSet* nodes);
    virtual SymbolTable* enclosingScope();
    virtual Klasa* declaredClass();

    // The name sets (null: empty). Reading never creates the side record; a
    // slot does, for code that stores a set.
    NameSet* definitions() const { return extras_ ? extras_->definitions : nullptr; }
    NameSet* usedNames() const { return extras_ ? extras_->usedNames : nullptr; }
    NameSet* pendingUses() const { return extras_ ? extras_->pendingUses : nullptr; }
    NameSet*& definitionsSlot() { return extras().definitions; }
    NameSet*& usedNamesSlot() { return extras().usedNames; }
    NameSet*& pendingUsesSlot() { return extras().pendingUses; }
    NodeExtras* extrasIfAny() const { return extras_; }
    NodeExtras& extras() {
        if (!extras_) extras_ = new NodeExtras();
        return *extras_;
    }
    // Gives the side record back once nothing is left in it.
    void releaseUnusedExtras() {
        if (extras_ && extras_->unused()) {
            delete extras_;
            extras_ = nullptr;
        }
    }

    // Tree navigation.
    bool canOwnScope() const;
    ParserBase* scopeAncestor();
    SymbolTable* rootScope();
    ParserBase* enclosingTypeDeclaration();
    UtilFunkcija* enclosingFunctionBody();

    // Class names not found: runs the file root's "__autoload" with the
    // name at this node and returns what the root's table then holds under
    // it (null when there is no "__autoload" or it is already running for
    // that name).
    Klasa* callAutoload(const std::string& className);

    // How a record met in two sets is kept (see the set primitives).
    enum class Join { Sequence, Alternatives };

    // Name-flow bookkeeping.
    NameRecord* lookupDefinition(const NameRecord& record);
    void resolveUses(ParserBase* child);
    // `defsJoin` says how the child's definitions meet this node's when they
    // are united: in sequence (the default) or as an alternative path.
    void absorbChild(ParserBase* child, bool defs, bool used, bool pending,
                     Join defsJoin = Join::Sequence);
    // The child's used and pending names go to this node's used names, with
    // no resolution and nothing added to its definitions.
    void foldUses(ParserBase* child);
    void absorbDeclaration(ParserBase* child, bool defs, bool used, bool pending);
    void propagateChild(ParserBase* child, bool defs, bool used, bool pending);
    void absorbDefinitionsOnly(ParserBase* child, bool defs, bool used);
    void addDefinition(const NameRecord& record);
    void addPendingUse(const NameRecord& record);
    void setPendingType(Type* type);
    void setPendingIndexDepth(int32_t depth);
    void collectDefinitions(NameSet& out);
    bool anyInSubtree(bool (*predicate)(ParserBase*, void*), void* argument);

    // Include lookup (IncludeHost.cpp): reads the file at `path` for this node
    // and returns its root, or null when it parses to none. Throws
    // FileNotFoundException when the file has no full path or cannot be
    // opened, FileIncludedException when it was read before in this run.
    Start* parseIncludedFile(const std::string& path);

    // Set primitives; an absent (null) set reads as empty.
    //
    // How a record met in both sets is kept depends on what the sets stand
    // for: code that runs in sequence keeps the stored record but takes the
    // arriving type (the type last assigned); alternative paths, and every
    // intersection, keep the stored record with an unknown type where the two
    // types differ.
    // While one lives, the folds of `node` leave the child's sets in place
    // because they are read again afterwards (see consumesChildSets). Only
    // one node at a time does so, for the span of one fold.
    class KeepChildSets {
    public:
        explicit KeepChildSets(const ParserBase* node) : previous_(keeping_) { keeping_ = node; }
        ~KeepChildSets() { keeping_ = previous_; }
        KeepChildSets(const KeepChildSets&) = delete;
        KeepChildSets& operator=(const KeepChildSets&) = delete;

    private:
        friend class ParserBase;
        static const ParserBase* keeping_;
        const ParserBase* previous_;
    };

    static void uniteInto(NameSet*& mine, const NameSet* other, Join join = Join::Sequence);
    static void intersectInto(NameSet*& mine, const NameSet* other);
    // A union that takes the other set over: it is moved when `mine` is
    // absent, merged node by node otherwise, and is absent afterwards.
    static void takeInto(NameSet*& mine, NameSet*& other, Join join = Join::Sequence);
    // Definitions change through these members, the folds and addDefinition,
    // which keep the lookups' remembered runs current. A node that sets
    // `definitions` by hand must call definitionsAppeared() afterwards.
    void unionDefinitions(const NameSet* s, Join join = Join::Sequence);
    void takeDefinitions(NameSet*& s, Join join = Join::Sequence);
    void intersectDefinitions(const NameSet* s);
    static void definitionsAppeared();
    void unionUsedNames(const NameSet* s) {
        if (s) uniteInto(usedNamesSlot(), s);
    }
    void intersectUsedNames(const NameSet* s);
    void unionPendingUses(const NameSet* s) {
        if (s) uniteInto(pendingUsesSlot(), s);
    }
    void intersectPendingUses(const NameSet* s);

    // Flow helpers.
    void seedFlow();
    void adoptFlow(ParserBase* child);
    void combineFlow(ParserBase* first, ParserBase* second);
    void sequenceFlow(const std::vector<ParserBase*>& items);
    // When each of `states` (null: absent) stands alone, keeps the first
    // present as this node's only state and frees the others: the graph of
    // the states in sequence followed by this node's own would have that one
    // leaf. `startsEmpty`: that graph would begin with an empty state even
    // when no state is present. False, changing nothing, otherwise.
    bool mergeLoneStates(FlowState* const* states, size_t count, bool startsEmpty);
    // sequenceFlow for a list whose items' graphs the parent reads again
    // (switch cases, catches): every item keeps its own states.
    void chainItemFlows(const std::vector<ParserBase*>& items);

protected:
    // Whether a union fold may take the child's sets over instead of copying
    // them: true unless a fold of this node reads them again afterwards (the
    // end-of-body checks of functions and methods read their body's sets,
    // and KeepChildSets marks the other cases). Without it every level of
    // a chain would hold a copy of everything below it.
    bool consumesChildSets() const;
    // A union or intersection of one of this node's sets with one of a
    // child's sets, taking the child's set over where that is allowed.
    using SetField = NameSet* NodeExtras::*;
    void foldSet(SetField mine, ParserBase* child, SetField theirs, bool unite, Join join = Join::Sequence);
    // An intersection of one of this node's sets with `other`.
    void intersectField(SetField mine, const NameSet* other);

    // The adoption steps of the first pass for one child (null: nothing).
    void linkChild(ParserBase* child);
    // Second pass for one child: check it, then absorb its names.
    void checkAndAbsorb(ParserBase* child);
    // The common patterns over collectChildren order.
    void linkChildren();
    void checkChildren();
    // Adopts a constructor argument through its unwrap (null stays null).
    static ParserBase* adopt(ParserBase* node) { return node ? node->unwrap() : nullptr; }
    // Drops null entries of a list node's vector.
    static void removeNulls(std::vector<ParserBase*>& items);

    // Lists the grammar builds by extending a list with one more item take
    // over the previous node's items and delete it, so a list of n items costs
    // O(n) and never nests. False when `previous` is not such a list.
    template <class List>
    static bool takeOverItems(List& self, ParserBase* previous) {
        if (!previous || previous->kind() != List::Kind) return false;
        auto* same = static_cast<List*>(previous);
        self.items = std::move(same->items);
        same->items.clear();
        self.location = same->location;
        delete same;
        return true;
    }
    // The common patterns of list nodes over their items vector.
    void linkItems(std::vector<ParserBase*>& items);
    void checkItems(const std::vector<ParserBase*>& items);
    static void collectItems(const std::vector<ParserBase*>& items, std::vector<ParserBase*>& out);
    static void deleteItems(std::vector<ParserBase*>& items);
};

}  // namespace php
